#include "tfrmmirvo.h"

#include "admin/tfrmabout.h"
#include "admin/tfrmarbejdstider.h"
#include "admin/tfrmindstillinger.h"
#include "admin/tfrmressourcer.h"
#include "admin/tfrmudskriv.h"
#include "app/settings/folders.h"
#include "app/settings/inifile.h"
#include "app/settings/settingsfile.h"
#include "app/texts/interfacetexts.h"
#include "app/texts/language.h"
#include "appointments/appointmentdialog.h"
#include "appointments/tfrmaftaler.h"
#include "bannerpanel.h"
#include "data/appointmentquery.h"
#include "data/appointmentstore.h"
#include "data/openinghoursrow.h"
#include "data/resourcequery.h"
#include "data/resourcestore.h"
#include "databaselocation.h"
#include "platform/errors.h"
#include "platform/messages.h"
#include "platform/windowplacement.h"
#include "rightpanel.h"
#include "schedule/dayschedulefeed.h"
#include "schedule/monthcalendar.h"
#include "schedule/plannergrid.h"
#include "schedule/timelist.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QFont arial(int pointSize, bool bold = false)
{
    QFont font(QStringLiteral("Arial"), pointSize);
    font.setBold(bold);
    return font;
}

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption, const QRect &geometry)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

} // namespace

TfrmMirvo::TfrmMirvo(const Environment &environment, QWidget *parent)
    : QMainWindow(parent)
    , m_environment(environment)
{
    setObjectName(QStringLiteral("frmMirvo"));
    setWindowTitle(QString());
    setFont(arial(8));
    m_menu = MainMenu::build(menuBar());

    auto *central = new QWidget(this);
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    setCentralWidget(central);
    buildTopBar();
    buildBody();
    column->addWidget(AdvPanel3);
    auto *body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    body->addWidget(gridArea, 1);
    body->addWidget(AdvPanel2);
    column->addLayout(body, 1);

    connect(m_menu.Exit1, &QAction::triggered, qApp, &QApplication::quit);
    resize(1000, 760);
}

TfrmMirvo::~TfrmMirvo()
{
    // Everything that holds the connection goes before the connection itself.
    for (QObject *holder : std::initializer_list<QObject *> { frmRessourcer, frmAftaler, frmArbejdstider,
             frmIndstillinger, frmAftaleTekst, dbDayScr, qAftaler, qMek })
        delete holder;
    m_appointments.reset();
    m_resources.reset();
}

void TfrmMirvo::buildTopBar()
{
    AdvPanel3 = new BannerPanel(this);
    AdvPanel3->setObjectName(QStringLiteral("AdvPanel3"));
    AdvPanel3->setFixedHeight(41);
    AdvPanel3->setCaption(QStringLiteral(
        "<P align=\"center\"><FONT  size=\"18\"    face=\"Comic Sans MS\"><B>Mirvo</B></FONT></P>"));

    const QFont buttonFont = arial(10, true);
    bOpretRet = makeButton(
        AdvPanel3, QStringLiteral("bOpretRet"), QStringLiteral("&Opret / ret aftale"), QRect(8, 8, 169, 25));
    Button1
        = makeButton(AdvPanel3, QStringLiteral("Button1"), QStringLiteral("Slet"), QRect(180, 8, 150, 25));
    bMultiUser = makeButton(
        AdvPanel3, QStringLiteral("bMultiUser"), QStringLiteral("O&pdater"), QRect(334, 8, 150, 25));
    for (QPushButton *b : { bOpretRet, Button1, bMultiUser })
        b->setFont(buttonFont);

    SpeedButton2 = new QToolButton(AdvPanel3);
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton2->setText(QStringLiteral("−")); // narrow the zoomed column again
    SpeedButton1 = new QToolButton(AdvPanel3);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setText(QStringLiteral("+")); // widen the selected column
    for (QToolButton *b : { SpeedButton1, SpeedButton2 }) {
        b->setFont(arial(14, true));
        b->setAutoRaise(true);
        b->resize(41, 33);
    }
    connect(AdvPanel3, &BannerPanel::resized, this, &TfrmMirvo::AdvPanel3Resize);
}

void TfrmMirvo::AdvPanel3Resize(int width)
{
    SpeedButton2->move(width - 88, 4);
    SpeedButton1->move(width - 45, 4);
}

void TfrmMirvo::buildBody()
{
    gridArea = new QWidget(this);
    gridArea->setObjectName(QStringLiteral("gridArea"));
    new QVBoxLayout(gridArea);
    gridArea->layout()->setContentsMargins(0, 0, 0, 0);
    DBPlanner1 = new PlannerGrid(gridArea);
    DBPlanner1->setRegionalSettings(m_environment.regional);
    gridArea->layout()->addWidget(DBPlanner1);
    dbDayScr = new DayScheduleFeed(DBPlanner1, this);
    dbDayScr->setObjectName(QStringLiteral("dbDayScr"));

    AdvPanel2 = new RightPanel(this);
    Calender1 = new MonthCalendar(m_environment.regional.locale, true, AdvPanel2);
    Calender1->setObjectName(QStringLiteral("Calender1"));
    Calender2 = new MonthCalendar(m_environment.regional.locale, false, AdvPanel2);
    Calender2->setObjectName(QStringLiteral("Calender2"));
    Calender3 = new MonthCalendar(m_environment.regional.locale, false, AdvPanel2);
    Calender3->setObjectName(QStringLiteral("Calender3"));
    Calender2->setSelectionShown(false);
    Calender3->setSelectionShown(false);

    ResGroup = new QGroupBox(AdvPanel2);
    ResGroup->setObjectName(QStringLiteral("ResGroup"));
    ResGroup->setFont(arial(8, true));
    DbMekLookUp = new QComboBox(ResGroup);
    DbMekLookUp->setObjectName(QStringLiteral("DbMekLookUp"));
    DbMekLookUp->setFont(arial(8));
    DbMekLookUp->setGeometry(5, 19, 158, 22);
    bMekTilbage = makeButton(
        ResGroup, QStringLiteral("bMekTilbage"), QStringLiteral("Tilbage"), QRect(6, 44, 75, 25));
    bMekTilbage->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
    bMekFrem
        = makeButton(ResGroup, QStringLiteral("bMekFrem"), QStringLiteral("Frem"), QRect(88, 44, 75, 25));
    bMekFrem->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    bMekFrem->setLayoutDirection(Qt::RightToLeft); // arrow on the right of the text
    for (QPushButton *b : { bMekTilbage, bMekFrem })
        b->setFont(arial(8, true));
    AdvPanel2->setParts(Calender1, Calender2, Calender3, ResGroup);
}

void TfrmMirvo::connectCommands()
{
    // Every command reports a database error in the general error box and stops there.
    const auto command = [this](auto &&handler) {
        return [this, handler] { Messages::guarded([this, handler] { (this->*handler)(); }); };
    };
    // A radio item's click ticks it at once; the command decides the tick itself.
    const auto viewCommand = [this, command](auto &&handler) {
        return [this, run = command(handler)] {
            m_menu.showTicks(m_ticks);
            run();
        };
    };
    connect(m_menu.VisMode[0], &QAction::triggered, this, viewCommand(&TfrmMirvo::VisMode1Click));
    connect(m_menu.VisMode[1], &QAction::triggered, this, viewCommand(&TfrmMirvo::VisMode2Click));
    connect(m_menu.VisMode[2], &QAction::triggered, this, viewCommand(&TfrmMirvo::VisMode3Click));
    for (QAction *item : m_menu.Days)
        connect(item, &QAction::triggered, this, [this, item] {
            m_menu.showTicks(m_ticks);
            Messages::guarded([this, item] { N1Dag1Click(item); });
        });
    for (QAction *item : m_menu.Resources)
        connect(item, &QAction::triggered, this, [this, item] {
            m_menu.showTicks(m_ticks);
            Messages::guarded([this, item] { VisRes1Click(item); });
        });
    connect(m_menu.Aftaler1, &QAction::triggered, this, &TfrmMirvo::Aftaler1Click);
    connect(m_menu.Udskriv1, &QAction::triggered, this, &TfrmMirvo::Udskriv1Click);

    connect(bOpretRet, &QPushButton::clicked, this, &TfrmMirvo::bOpretRetClick);
    connect(Button1, &QPushButton::clicked, this, &TfrmMirvo::Button1Click);
    connect(bMultiUser, &QPushButton::clicked, this, command(&TfrmMirvo::bMultiUserClick));
    connect(SpeedButton1, &QToolButton::clicked, this, &TfrmMirvo::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TfrmMirvo::SpeedButton2Click);
    connect(bMekTilbage, &QPushButton::clicked, this, command(&TfrmMirvo::bMekTilbageClick));
    connect(bMekFrem, &QPushButton::clicked, this, command(&TfrmMirvo::bMekFremClick));
    connect(DbMekLookUp, &QComboBox::activated, this,
        [this](int row) { Messages::guarded([this, row] { setPickerValue(qMek->mekKeyAt(row)); }); });
    connect(qMek, &QAbstractItemModel::modelReset, this, &TfrmMirvo::restorePicker);

    connect(DBPlanner1, &PlannerGrid::plannerRightClick, this, &TfrmMirvo::bOpretRetClick);
    connect(DBPlanner1, &PlannerGrid::itemRightClick, this, &TfrmMirvo::DBPlanner1ItemRightClick);
    connect(DBPlanner1, &PlannerGrid::plannerNext, this, &TfrmMirvo::DBPlanner1PlannerNext);
    connect(DBPlanner1, &PlannerGrid::plannerPrevious, this, &TfrmMirvo::DBPlanner1PlannerNext);
    connect(dbDayScr, &DayScheduleFeed::itemsRead, this, &TfrmMirvo::ApplyTimeLayout);

    for (MonthCalendar *calendar : { Calender1, Calender2, Calender3 }) {
        connect(calendar, &MonthCalendar::dayPicked, this, [this, calendar](const QDate &date) {
            CalenderDaySelect(calendar);
            Messages::guarded([this, date] { Calender1DayChange(date); });
        });
    }
    connect(Calender1, &MonthCalendar::monthBrowsed, this, &TfrmMirvo::Calender1MonthChange);
}

void TfrmMirvo::SelectLanguage()
{
    const LanguageChoice choice
        = ::SelectLanguage(m_environment.programFolder, m_environment.commonDataFolder);
    LanguageCode = choice.code;
    m_languageNumber = choice.number;
}

bool TfrmMirvo::FormCreate()
{
    SelectLanguage();

    const QDate today = m_environment.today();
    for (MonthCalendar *c : { Calender1, Calender2, Calender3 })
        c->setToday(today);
    TimeList = buildTimeList();
    Calender1->setDate(today);
    Calender2->setDate(today.addMonths(1));
    Calender3->setDate(today.addMonths(2));

    const IniFile settings(settingsFilePath(m_environment.programFolder));
    // A configured server takes the place of the database file.
    const QString server = readServerConnection(settings);
    if (server.isEmpty())
        m_databasePath = locateDatabase(readDatabaseFolder(settings), m_environment.programFolder,
            [](const QString &path) { return QFileInfo(path).isFile(); });
    if (server.isEmpty() && m_databasePath.isEmpty()) {
        Messages::show(QStringLiteral("No Database found "));
        return false;
    }
    try {
        if (server.isEmpty())
            m_connection.openSqliteFile(m_databasePath);
        else
            m_connection.openServer(server);
        m_texts.open(m_connection.database(), m_languageNumber);
    } catch (const MirvoError &e) {
        Messages::show(QStringLiteral("Conection to database failed !"), e.message());
        return false;
    }
    return Messages::guarded([&] {
        const QSqlDatabase db = m_connection.database();
        m_appointments = std::make_unique<AppointmentStore>(db);
        m_resources = std::make_unique<ResourceStore>(db);
        qAftaler = new AppointmentQuery(db, this);
        qMek = new ResourceQuery(db, this);
        connect(qAftaler, &AppointmentQuery::reopened, this, &TfrmMirvo::qAftalerReopened);
        DbMekLookUp->setModel(qMek);
        DbMekLookUp->setModelColumn(ResourceQuery::NameColumn);

        dbDayScr->setDatabase(db);
        dbDayScr->setResourceMap(ResourceMap());
        DBPlanner1->setNumberOfDays(5);
        qAftaler->reopen(0, 0);
        qMek->reopen();
        DBPlanner1->setDay(today);
        setPickerValue(qMek->count() > 0 ? qMek->mekKeyAt(0) : 0);
        connectCommands();
    });
}

void TfrmMirvo::createWindows()
{
    frmRessourcer = new TfrmRessourcer(qMek, m_resources.get(), this, this);
    frmAftaler = new TfrmAftaler(m_connection.database(), m_environment.regional, this);
    connect(frmAftaler, &TfrmAftaler::FormClose, this,
        [this] { Messages::guarded([this] { qAftaler->reopen(qAftaler->minMek(), qAftaler->maxMek()); }); });
    frmArbejdstider = new TfrmArbejdstider(m_connection.database(), m_environment.programFolder, this, this);
    frmIndstillinger = new TfrmIndstillinger(m_environment.programFolder, this, this);
    frmUdskriv = new TfrmUdskriv(this);
    frmAftaleTekst = new TfrmAftaleTekst(m_environment.regional, this);
    frmAftaleTekst->setResourceModel(qMek);
    frmAbout = new TfrmAbout(this);
    connect(m_menu.About1, &QAction::triggered, frmAbout, &QDialog::exec);
    connect(m_menu.Arbejdstider1, &QAction::triggered, this, &TfrmMirvo::Arbejdstider1Click);
    connect(m_menu.Kartotek1, &QAction::triggered, this, &TfrmMirvo::Kartotek1Click);
    connect(m_menu.Indstillinger1, &QAction::triggered, frmIndstillinger, &QDialog::exec);
}

void TfrmMirvo::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    centreOnScreen(this);
    Messages::guarded([this] { FormShow(); });
}

void TfrmMirvo::FormShow()
{
    ApplyTexts({ this, frmRessourcer, frmAftaler, frmArbejdstider, frmIndstillinger, frmUdskriv,
                   frmAftaleTekst, frmAbout },
        [this](int number) { return LookupText(number); });
    setWindowTitle(LookupText(60));
    const IniFile settings(settingsFilePath(m_environment.programFolder));
    const DisplayPreferences preferences = readDisplayPreferences(settings);
    UseOpeningHours = preferences.useOpeningHours;
    TimeUnit = preferences.timeUnit;
    TimeLayout rows = DBPlanner1->timeLayout();
    rows.displayStart = preferences.provisionalStartRow;
    rows.displayEnd = preferences.provisionalStopRow;
    DBPlanner1->setTimeLayout(rows);
    DBPlanner1->setDisplayScale(preferences.cellHeight);
    StartSlot = preferences.startSlot;
    StopSlot = preferences.stopSlot;
    if (preferences.autoWidth)
        setColumnWidths(0, 0);
    else
        setColumnWidths(preferences.cellWidth, preferences.zoomWidth);
    setZoomButtonsVisible(!preferences.autoWidth);
    setRefreshButtonVisible(preferences.multiUser);

    LoadOpeningHours();
    ApplyTimeLayout();
    rereadGrid();
}
