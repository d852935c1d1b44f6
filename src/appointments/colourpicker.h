#pragma once

#include <QColor>
#include <QComboBox>
#include <QList>
#include <QString>

// The appointment colour picker: twenty named colours, each stored as an integer with red in
// the lowest byte (0x00BBGGRR).
class ColourPicker : public QComboBox
{
    Q_OBJECT

public:
    struct Entry
    {
        QString name;
        int value;
    };

    // What color() gives while no entry is chosen.
    static constexpr int NoColour = -16777216;
    static constexpr int SkyBlue = 15780518;

    explicit ColourPicker(QWidget *parent = nullptr);

    static const QList<Entry> &entries();
    static QColor toQColor(int value);

    // Chooses the entry with this value, or none when no entry has it.
    void setColor(int value);
    int color() const;
};
