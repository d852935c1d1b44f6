#pragma once

#include "appointments/printerchooser.h"
#include "platform/regionalsettings.h"

#include <QDate>
#include <QDialog>
#include <QString>
#include <QStringList>

class ColourPicker;
class QAbstractItemModel;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class ResourceLookup;
class TimeLineEdit;

// The modal window in which one appointment is edited. It is created once and reused; its fields
// keep their contents between showings. It never touches the database: the create/edit command
// fills it, shows it and reads it back after OK.
class TfrmAftaleTekst : public QDialog
{
    Q_OBJECT

public:
    static constexpr auto InvalidTimeMessage = "Fejl i fra-klokken eller til-klokken !";

    explicit TfrmAftaleTekst(
        const RegionalSettings &regional = RegionalSettings::system(), QWidget *parent = nullptr);

    const RegionalSettings &regionalSettings() const { return m_regional; }
    void setRegionalSettings(const RegionalSettings &regional);

    // Replaces the suggested times of both time lists; the typed texts stay.
    void setTimeChoices(const QStringList &times);
    // Column 0: the resource's name `Navn`; column 1: its number `MekKey`. The model stays the caller's.
    void setResourceModel(QAbstractItemModel *model);
    void setPrinterChooser(PrinterChooser chooser) { m_chooser = std::move(chooser); }

    QDate date() const;
    void setDate(const QDate &date);
    QString startText() const;
    void setStartText(const QString &text);
    QString endText() const;
    void setEndText(const QString &text);
    QString heading() const;
    void setHeading(const QString &heading);
    // Every line, the last one included, ends with CR LF; an empty field gives "".
    QString text() const;
    QStringList textLines() const;
    void setTextLines(const QStringList &lines);
    // ColourPicker::NoColour while no listed colour is chosen.
    int color() const;
    void setColor(int value);
    // The chosen resource's number as decimal text, or "" when none is chosen.
    QString resourceValue() const;
    void setResourceValue(const QString &value);

public slots:
    void Button1Click();
    void Button2Click();
    void Button3Click();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildFields(QWidget *panel);
    void buildButtons(QWidget *panel);
    QComboBox *timeField(QWidget *panel, const QString &name, TimeLineEdit *&edit);

    RegionalSettings m_regional;
    PrinterChooser m_chooser = choosePrinterWithDialog;

    QDateEdit *m_date = nullptr;
    QComboBox *m_start = nullptr;
    QComboBox *m_end = nullptr;
    TimeLineEdit *m_startEdit = nullptr;
    TimeLineEdit *m_endEdit = nullptr;
    QLineEdit *m_heading = nullptr;
    QPlainTextEdit *m_text = nullptr;
    ColourPicker *m_colour = nullptr;
    ResourceLookup *m_resource = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_print = nullptr;
};
