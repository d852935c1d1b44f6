#pragma once

#include "data/openinghoursrow.h"

#include <QDialog>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

class OpeningHoursTarget;
class QCheckBox;
class QComboBox;

// The opening-hours window: the fourteen opening and closing times of the first Settings row
// and the switch that makes the grid use them. Every closing, by "&Luk" or the close box,
// stores; a closing that fails keeps the window open.
class TfrmArbejdstider : public QDialog
{
    Q_OBJECT

public:
    TfrmArbejdstider(
        QSqlDatabase db, const QString &programFolder, OpeningHoursTarget *target, QWidget *parent = nullptr);

    // The fourteen field texts as typed, Monday's opening time first.
    QStringList fieldTexts() const;

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    void FormShow();
    void FormClose();

    OpeningHoursRow m_row;
    QString m_programFolder;
    OpeningHoursTarget *m_target = nullptr;
    // The texts as last read or stored; closing writes the row only when the fields differ.
    QStringList m_storedTexts;

    QList<QComboBox *> m_fields; // CbManFra, CbManTil, ... CbSonTil
    QCheckBox *cbUseOpenTimes = nullptr;
};
