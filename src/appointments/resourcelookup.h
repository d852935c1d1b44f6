#pragma once

#include <QComboBox>
#include <QString>

class QAbstractItemModel;

// Choice-only drop-down over the resources: shows column 0 (the name `Navn`) of the model and
// has as its value column 1 (the number `MekKey`) of the chosen row, as decimal text.
class ResourceLookup : public QComboBox
{
    Q_OBJECT

public:
    explicit ResourceLookup(QWidget *parent = nullptr);

    // The model stays the caller's.
    void setResourceModel(QAbstractItemModel *model);

    // The chosen row's number, or "" when no row is chosen.
    QString value() const;
    // Chooses the row with this number, or none when no row has it.
    void setValue(const QString &value);
};
