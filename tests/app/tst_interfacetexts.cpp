#include "app/texts/interfacetexts.h"
#include "app/tfrmmirvo.h"
#include "testsupport/messagerecorder.h"
#include "testsupport/testdatabase.h"
#include "testsupport/testenvironment.h"
#include "testsupport/testfiles.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

QString caption(QObject *control)
{
    for (const char *property : { "htmlCaption", "caption", "text", "title" }) {
        const QVariant value = control->property(property);
        if (value.isValid())
            return value.toString();
    }
    return {};
}

// A main window on a new database whose installation files choose `lang`.
std::unique_ptr<TfrmMirvo> windowIn(const TestDatabase &db, const QString &lang)
{
    writeFile(QDir(db.folder()).filePath("Config.ini"), "[Version]\nVersion=2.1\nProductName=Mirvo\n");
    writeFile(
        QDir(db.folder()).filePath("Sls.ini"), QStringLiteral("[Mirvo-2.1]\nLang=%1\n").arg(lang).toUtf8());
    const Environment e = testEnvironment(db.folder());
    auto window = std::make_unique<TfrmMirvo>(e);
    if (!window->FormCreate())
        return nullptr;
    window->createWindows();
    window->show();
    return window;
}

QWidget *windowNamed(TfrmMirvo *main, const QString &name)
{
    if (main->objectName() == name)
        return main;
    return main->findChild<QWidget *>(name);
}

} // namespace

class TestInterfaceTexts : public QObject
{
    Q_OBJECT

private slots:
    void composition_data()
    {
        QTest::addColumn<int>("compose");
        QTest::addColumn<int>("digit");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        using C = TextPlacement::Compose;
        QTest::newRow("plain") << int(C::Plain) << 0 << "&Luk"
                               << "&Luk";
        QTest::newRow("numbered") << int(C::Numbered) << 3 << "Dage"
                                  << "3 Dage";
        QTest::newRow("numbered, no text") << int(C::Numbered) << 5 << ""
                                           << "5 ";
        QTest::newRow("html button") << int(C::HtmlButton) << 0 << "&Opret"
                                     << "<FONT size=\"10\">&Opret</FONT>";
        QTest::newRow("html button, left")
            << int(C::HtmlButtonLeft) << 0 << "Om&døb system ressource"
            << "<FONT size=\"10\"><P align=\"left\">Om&døb system ressource</P></FONT>";
        QTest::newRow("banner, two blanks before size")
            << int(C::Banner) << 0 << "Mirvo"
            << "<P align=\"center\"><FONT  size=\"18\" face=\"Comic Sans MS\"><B>Mirvo</B></FONT></P>";
    }
    void composition()
    {
        QFETCH(int, compose);
        QFETCH(int, digit);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const TextPlacement placement { 1, QString(), QString(), TextPlacement::Compose(compose), digit };
        QCOMPARE(composeCaption(placement, text), expected);
    }

    void everyPlacementFindsItsControl()
    {
        TestDatabase db;
        auto main = windowIn(db, QStringLiteral("DK"));
        QVERIFY(main);
        for (const TextPlacement &p : interfaceTextPlacements()) {
            QWidget *window = windowNamed(main.get(), p.window);
            QVERIFY2(window, qPrintable(p.window));
            if (!p.control.isEmpty())
                QVERIFY2(findControl(window, p.control), qPrintable(p.window + "/" + p.control));
        }
    }

    void languagesReachEveryWindow_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Danish delete button") << "DK"
                                              << "frmMirvo"
                                              << "Button1"
                                              << "Slet";
        QTest::newRow("Danish one day") << "DK"
                                        << "frmMirvo"
                                        << "N1Dag1"
                                        << "1 Dag";
        QTest::newRow("Danish banner")
            << "DK"
            << "frmMirvo"
            << "AdvPanel3"
            << "<P align=\"center\"><FONT  size=\"18\" face=\"Comic Sans MS\"><B>Mirvo</B></FONT></P>";
        QTest::newRow("Swedish delete button") << "S"
                                               << "frmMirvo"
                                               << "Button1"
                                               << "Radera";
        QTest::newRow("Swedish three days") << "S"
                                            << "frmMirvo"
                                            << "N3Dage1"
                                            << "3 Dagar";
        QTest::newRow("Swedish resource count") << "S"
                                                << "frmMirvo"
                                                << "VisRes4"
                                                << "4 Resurs";
        QTest::newRow("Swedish group box") << "S"
                                           << "frmMirvo"
                                           << "ResGroup"
                                           << "Resurs";
        QTest::newRow("Swedish dialog label") << "S"
                                              << "frmAftaleTekst"
                                              << "Label2"
                                              << "Från:";
        QTest::newRow("Swedish list button") << "S"
                                             << "frmAftaler"
                                             << "BitBtn2"
                                             << "&Radera";
        QTest::newRow("Swedish weekday") << "S"
                                         << "frmArbejdstider"
                                         << "Label9"
                                         << "Lördag";
        QTest::newRow("Swedish time unit") << "S"
                                           << "frmIndstillinger"
                                           << "rTidsEnheder15"
                                           << "15 Min.";
        QTest::newRow("Norwegian register button") << "N"
                                                   << "frmRessourcer"
                                                   << "bOpretMek"
                                                   << "<FONT size=\"10\">&Opprett</FONT>";
        QTest::newRow("Norwegian close") << "N"
                                         << "frmIndstillinger"
                                         << "BitBtn1"
                                         << "&Lukk";
        QTest::newRow("unknown language: plain empty") << "X"
                                                       << "frmMirvo"
                                                       << "Button1"
                                                       << "";
        QTest::newRow("unknown language: digit kept") << "X"
                                                      << "frmMirvo"
                                                      << "N7Dage1"
                                                      << "7 ";
        QTest::newRow("lower-case code selects nothing") << "dk"
                                                         << "frmMirvo"
                                                         << "VisMode1"
                                                         << "";
    }
    void languagesReachEveryWindow()
    {
        QFETCH(QString, lang);
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, expected);
        TestDatabase db;
        auto main = windowIn(db, lang);
        QVERIFY(main);
        QObject *c = findControl(windowNamed(main.get(), window), control);
        QVERIFY(c);
        QCOMPARE(caption(c), expected);
    }

    void windowCaptions()
    {
        TestDatabase db;
        auto main = windowIn(db, QStringLiteral("S"));
        QCOMPARE(main->windowTitle(), QStringLiteral("Mirvo"));
        QCOMPARE(windowNamed(main.get(), "frmRessourcer")->windowTitle(), QStringLiteral("Resurs"));
        QCOMPARE(windowNamed(main.get(), "frmArbejdstider")->windowTitle(), QStringLiteral("Öppettider"));
        // Windows whose captions are not interface texts keep theirs.
        QCOMPARE(windowNamed(main.get(), "frmAftaler")->windowTitle(), QStringLiteral("Aftaler"));
        QCOMPARE(windowNamed(main.get(), "frmIndstillinger")->windowTitle(), QStringLiteral("Indstillinger"));
    }
};

QTEST_MAIN(TestInterfaceTexts)
#include "tst_interfacetexts.moc"
