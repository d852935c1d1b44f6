#include "tfrmmirvo.h"

#include "admin/tfrmabout.h"
#include "admin/tfrmarbejdstider.h"
#include "admin/tfrmindstillinger.h"
#include "admin/tfrmressourcer.h"
#include "admin/tfrmudskriv.h"
#include "app/settings/folders.h"
#include "app/settings/inifile.h"
#include "app/settings/settingsfile.h"
#include "app/texts/language.h"
#include "appointments/tfrmaftaler.h"
#include "bannerpanel.h"
#include "databaselocation.h"
#include "platform/errors.h"
#include "platform/messages.h"
#include "rightpanel.h"

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

TfrmMirvo::~TfrmMirvo() = default;

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
    SpeedButton2->setIcon(style()->standardIcon(QStyle::SP_TitleBarNormalButton));
    SpeedButton1 = new QToolButton(AdvPanel3);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_TitleBarMaxButton));
    for (QToolButton *b : { SpeedButton1, SpeedButton2 }) {
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

    AdvPanel2 = new RightPanel(this);
    Calender1 = new QCalendarWidget(AdvPanel2);
    Calender1->setObjectName(QStringLiteral("Calender1"));
    Calender2 = new QCalendarWidget(AdvPanel2);
    Calender2->setObjectName(QStringLiteral("Calender2"));
    Calender3 = new QCalendarWidget(AdvPanel2);
    Calender3->setObjectName(QStringLiteral("Calender3"));
    for (QCalendarWidget *c : { Calender1, Calender2, Calender3 }) {
        c->setFirstDayOfWeek(Qt::Monday);
        c->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
        c->setLocale(m_environment.regional.locale);
    }
    Calender2->setNavigationBarVisible(false);
    Calender3->setNavigationBarVisible(false);

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
    Calender1->setSelectedDate(today);
    Calender2->setSelectedDate(today.addMonths(1));
    Calender3->setSelectedDate(today.addMonths(2));

    const IniFile settings(settingsFilePath(m_environment.programFolder));
    m_databasePath = locateDatabase(readDatabaseFolder(settings), m_environment.programFolder,
        [](const QString &path) { return QFileInfo(path).isFile(); });
    if (m_databasePath.isEmpty()) {
        Messages::show(QStringLiteral("No Database found "));
        return false;
    }
    try {
        m_connection.openSqliteFile(m_databasePath);
        m_texts.open(m_connection.database(), m_languageNumber);
    } catch (const MirvoError &e) {
        Messages::show(QStringLiteral("Conection to database failed !"), e.message());
        return false;
    }
    return true;
}

void TfrmMirvo::createWindows()
{
    frmRessourcer = new TfrmRessourcer(this);
    frmAftaler = new TfrmAftaler(this);
    frmArbejdstider = new TfrmArbejdstider(this);
    frmIndstillinger = new TfrmIndstillinger(this);
    frmUdskriv = new TfrmUdskriv(this);
    frmAbout = new TfrmAbout(this);
    connect(m_menu.About1, &QAction::triggered, frmAbout, &QDialog::exec);
}

void TfrmMirvo::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    if (QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    Messages::guarded([this] { FormShow(); });
}

void TfrmMirvo::FormShow()
{
    setWindowTitle(LookupText(60));
    const IniFile settings(settingsFilePath(m_environment.programFolder));
    const DisplayPreferences preferences = readDisplayPreferences(settings);
    UseOpeningHours = preferences.useOpeningHours;
    TimeUnit = preferences.timeUnit;
    StartSlot = preferences.startSlot;
    StopSlot = preferences.stopSlot;
    SpeedButton1->setVisible(!preferences.autoWidth);
    SpeedButton2->setVisible(!preferences.autoWidth);
    bMultiUser->setVisible(preferences.multiUser);
}
