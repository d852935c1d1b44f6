#pragma once

#include "admin/settingsformstate.h"

#include <QDialog>
#include <QString>

class DisplaySettingsTarget;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class UpDownField;

// The settings window: the display preferences of Mirvo.ini. Each showing reads the file into
// the controls; each closing, by "&Luk" or the close box, writes the file and applies the
// values to the running program. A closing that fails keeps the window open.
class TfrmIndstillinger : public QDialog
{
    Q_OBJECT

public:
    TfrmIndstillinger(const QString &programFolder, DisplaySettingsTarget *target, QWidget *parent = nullptr);

    // What the controls hold now.
    SettingsFormState formState() const;

    void done(int result) override;

public slots:
    void CbAutoBredeClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    void FormShow();
    void FormClose();
    void showState(const SettingsFormState &state);

    QString m_programFolder;
    DisplaySettingsTarget *m_target = nullptr;
    QString m_folderAtShowing;

    QButtonGroup *m_timeUnits = nullptr;
    QComboBox *CbCalenderStart = nullptr;
    QComboBox *CbCalenderStop = nullptr;
    UpDownField *UpDownCellHight = nullptr;
    QCheckBox *CbAutoBrede = nullptr;
    UpDownField *UpDownCellBrede = nullptr;
    UpDownField *UpDownZoom = nullptr;
    QCheckBox *cbFlerBruger = nullptr;
    QLineEdit *eDbPath = nullptr;
};
