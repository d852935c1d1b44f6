#pragma once

#include "admin/displaysettingstarget.h"
#include "admin/openinghourstarget.h"
#include "admin/resourceregistertarget.h"
#include "data/connection.h"
#include "data/texttable.h"
#include "mainmenu.h"
#include "menuticks.h"
#include "platform/defaultprinter.h"
#include "platform/environment.h"
#include "schedule/openinghours.h"

#include <QMainWindow>
#include <QStringList>
#include <memory>
#include <optional>

class AppointmentQuery;
class AppointmentStore;
class BannerPanel;
class DayScheduleFeed;
class PlannerGrid;
class ResourceQuery;
class ResourceStore;
class TfrmAftaleTekst;
class MonthCalendar;
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
class TfrmMirvo : public QMainWindow,
                  public DisplaySettingsTarget,
                  public OpeningHoursTarget,
                  public ResourceRegisterTarget
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

    // Routines of the view shared with the other windows.
    int ShownResourceCount() const;
    void SetResourceControls(bool enable);
    void ResetResourceWindow(int n);
    struct ResourceBounds
    {
        int LowMek, HighMek, MinMek, MaxMek;
    };
    ResourceBounds ReadResourceBounds() const;
    void SetResourceCount(const QString &itemName);
    void RebuildResourceMap();
    void CheckDefaultResource();
    void LoadOpeningHours() override;
    void ApplyTimeLayout() override;
    void rereadGrid() override;

    // What the settings and opening-hours windows change as they close.
    void setTimeUnit(int minutes) override { TimeUnit = minutes; }
    void setDisplayScale(int pixels) override;
    void setStartSlot(int slot) override { StartSlot = slot; }
    void setStopSlot(int slot) override { StopSlot = slot; }
    void setZoomButtonsVisible(bool visible) override;
    void setColumnWidths(int positionWidth, int positionZoomWidth) override;
    void setRefreshButtonVisible(bool visible) override;
    void setUseOpeningHours(bool on) override { UseOpeningHours = on; }

    // What the resource register asks after a deletion and after a rename.
    void resourceDeleted() override;
    void systemResourceRenamed() override;

    // Menu commands and buttons.
    void VisMode1Click();
    void VisMode2Click();
    void VisMode3Click();
    void N1Dag1Click(QAction *item);
    void VisRes1Click(QAction *item);
    void SpeedButton1Click();
    void SpeedButton2Click();
    void bMultiUserClick();
    void bOpretRetClick();
    void Button1Click();
    void DBPlanner1ItemRightClick(const QString &key);
    void Aftaler1Click();
    void Arbejdstider1Click();
    void Udskriv1Click();
    void Kartotek1Click();

    // Where "&Udskriv" prints; the system's default printer unless a test says otherwise.
    void setDefaultPrinter(DefaultPrinter printer) { m_defaultPrinter = std::move(printer); }
    void Calender1DayChange(const QDate &date);
    void Calender1MonthChange(int year, int month);
    void CalenderDaySelect(MonthCalendar *calendar);
    void DBPlanner1PlannerNext();
    void bMekTilbageClick();
    void bMekFremClick();
    void DbMekLookUpChange();

    const MenuTicks &menuTicks() const { return m_ticks; }
    PlannerGrid *grid() const { return DBPlanner1; }
    DayScheduleFeed *feed() const { return dbDayScr; }
    AppointmentQuery *appointmentQuery() const { return qAftaler; }
    ResourceQuery *resourceQuery() const { return qMek; }
    const OpeningHours &openingHours() const { return m_openingHours; }
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
    void connectCommands();
    void setTicks(const MenuTicks &ticks);
    void qAftalerReopened();
    void setPickerValue(int mekKey);
    void restorePicker();

    Environment m_environment;
    Connection m_connection;
    TextTable m_texts;
    std::optional<int> m_languageNumber;
    QString m_databasePath;
    bool m_shown = false;

    MainMenu m_menu;
    MenuTicks m_ticks;
    OpeningHours m_openingHours;
    DefaultPrinter m_defaultPrinter = useSystemDefaultPrinter;
    int m_pickerMekKey = 0;
    QString m_pickerText; // the name the picker showed when it last reported a change

    AppointmentQuery *qAftaler = nullptr;
    ResourceQuery *qMek = nullptr;
    std::unique_ptr<AppointmentStore> m_appointments;
    std::unique_ptr<ResourceStore> m_resources;

    BannerPanel *AdvPanel3 = nullptr;
    QPushButton *bOpretRet = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *bMultiUser = nullptr;
    QToolButton *SpeedButton1 = nullptr;
    QToolButton *SpeedButton2 = nullptr;
    QWidget *gridArea = nullptr;
    PlannerGrid *DBPlanner1 = nullptr;
    DayScheduleFeed *dbDayScr = nullptr;
    RightPanel *AdvPanel2 = nullptr;
    MonthCalendar *Calender1 = nullptr;
    MonthCalendar *Calender2 = nullptr;
    MonthCalendar *Calender3 = nullptr;
    QGroupBox *ResGroup = nullptr;
    QComboBox *DbMekLookUp = nullptr;
    QPushButton *bMekTilbage = nullptr;
    QPushButton *bMekFrem = nullptr;

    TfrmRessourcer *frmRessourcer = nullptr;
    TfrmAftaler *frmAftaler = nullptr;
    TfrmArbejdstider *frmArbejdstider = nullptr;
    TfrmIndstillinger *frmIndstillinger = nullptr;
    TfrmUdskriv *frmUdskriv = nullptr;
    TfrmAftaleTekst *frmAftaleTekst = nullptr;
    TfrmAbout *frmAbout = nullptr;
};
