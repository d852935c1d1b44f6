#pragma once

#include "data/connection.h"
#include "data/texttable.h"
#include "mainmenu.h"
#include "menuticks.h"
#include "platform/environment.h"

#include <QMainWindow>
#include <QStringList>
#include <memory>
#include <optional>

class BannerPanel;
class QCalendarWidget;
class QComboBox;
class QGroupBox;
class QPushButton;
class QToolButton;
class RightPanel;
class TfrmAbout;
class TfrmAftaler;
class TfrmArbejdstider;
class TfrmIndstillinger;
class TfrmRessourcer;
class TfrmUdskriv;

// The main window: it owns the connection and the data objects, the grid, the calendars and
// the resource picker; every other window works through it.
class TfrmMirvo : public QMainWindow
{
    Q_OBJECT

public:
    explicit TfrmMirvo(const Environment &environment, QWidget *parent = nullptr);
    ~TfrmMirvo() override;

    // Finds and opens the database and reads what the window starts with. On a failure it
    // shows the start-up message and returns false; the program then ends.
    bool FormCreate();

    // Creates the other windows, in the program's order. They live as long as this one.
    void createWindows();

    // State shared with the other windows.
    QString LanguageCode;
    bool UseOpeningHours = false;
    int TimeUnit = 30;
    int StartSlot = 16;
    int StopSlot = 47;
    QStringList TimeList;

    QString LookupText(int number) const { return m_texts.LookupText(number); }
    const Environment &environment() const { return m_environment; }
    Connection &connection() { return m_connection; }
    QString databasePath() const { return m_databasePath; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildTopBar();
    void buildBody();
    void SelectLanguage();
    void FormShow();
    void AdvPanel3Resize(int width);

    Environment m_environment;
    Connection m_connection;
    TextTable m_texts;
    std::optional<int> m_languageNumber;
    QString m_databasePath;
    bool m_shown = false;

    MainMenu m_menu;
    MenuTicks m_ticks;

    BannerPanel *AdvPanel3 = nullptr;
    QPushButton *bOpretRet = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *bMultiUser = nullptr;
    QToolButton *SpeedButton1 = nullptr;
    QToolButton *SpeedButton2 = nullptr;
    QWidget *gridArea = nullptr;
    RightPanel *AdvPanel2 = nullptr;
    QCalendarWidget *Calender1 = nullptr;
    QCalendarWidget *Calender2 = nullptr;
    QCalendarWidget *Calender3 = nullptr;
    QGroupBox *ResGroup = nullptr;
    QComboBox *DbMekLookUp = nullptr;
    QPushButton *bMekTilbage = nullptr;
    QPushButton *bMekFrem = nullptr;

    TfrmRessourcer *frmRessourcer = nullptr;
    TfrmAftaler *frmAftaler = nullptr;
    TfrmArbejdstider *frmArbejdstider = nullptr;
    TfrmIndstillinger *frmIndstillinger = nullptr;
    TfrmUdskriv *frmUdskriv = nullptr;
    TfrmAbout *frmAbout = nullptr;
};
