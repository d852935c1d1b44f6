#include "app/tfrmmirvo.h"
#include "testsupport/messagerecorder.h"
#include "testsupport/testdatabase.h"
#include "testsupport/testenvironment.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

class TestMainWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<TfrmMirvo> m_window;

    QAction *action(const QString &name) const { return m_window->findChild<QAction *>(name); }

private slots:
    void initTestCase()
    {
        m_db = std::make_unique<TestDatabase>(true);
        const Environment e = testEnvironment(m_db->folder());
        m_window = std::make_unique<TfrmMirvo>(e);
        QVERIFY(m_window->FormCreate());
        m_window->createWindows();
    }

    void menuItems_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QKeySequence>("shortcut");
        QTest::addColumn<bool>("checkable");
        QTest::addColumn<bool>("checked");
        QTest::newRow("Udskriv1") << "Udskriv1"
                                  << "&Udskriv" << QKeySequence() << false << false;
        QTest::newRow("Exit1") << "Exit1"
                               << "&Quit" << QKeySequence() << false << false;
        QTest::newRow("VisMode1") << "VisMode1"
                                  << "Normal uden Ressource." << QKeySequence("Ctrl+A") << true << true;
        QTest::newRow("VisMode2") << "VisMode2"
                                  << "Flere dage pr. Ressource." << QKeySequence("Ctrl+B") << true << false;
        QTest::newRow("VisMode3") << "VisMode3"
                                  << "Flere Ressourcer pr dag." << QKeySequence("Ctrl+C") << true << false;
        QTest::newRow("N1Dag1") << "N1Dag1"
                                << "1 Dag" << QKeySequence("Ctrl+F1") << true << false;
        QTest::newRow("N4Dage1") << "N4Dage1"
                                 << "4 Dage" << QKeySequence("Ctrl+F4") << true << false;
        QTest::newRow("N5Dage1") << "N5Dage1"
                                 << "5 Dage" << QKeySequence("Ctrl+F5") << true << true;
        QTest::newRow("N7Dage1") << "N7Dage1"
                                 << "7 Dage" << QKeySequence("Ctrl+F7") << true << false;
        QTest::newRow("VisRes1") << "VisRes1"
                                 << "1 Ressource" << QKeySequence("Shift+F1") << true << true;
        QTest::newRow("VisRes5") << "VisRes5"
                                 << "5 Ressource" << QKeySequence("Shift+F5") << true << false;
        QTest::newRow("Kartotek1") << "Kartotek1"
                                   << "Ressource kartotek" << QKeySequence("Ctrl+D") << false << false;
        QTest::newRow("Aftaler1") << "Aftaler1"
                                  << "Aftaler" << QKeySequence("Ctrl+E") << false << false;
        QTest::newRow("Arbejdstider1") << "Arbejdstider1"
                                       << "Åbnings tider" << QKeySequence("Ctrl+F") << false << false;
        QTest::newRow("Indstillinger1") << "Indstillinger1"
                                        << "Indstillinger" << QKeySequence("Ctrl+G") << false << false;
        QTest::newRow("About1") << "About1"
                                << "Version" << QKeySequence() << false << false;
    }
    void menuItems()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QKeySequence, shortcut);
        QFETCH(bool, checkable);
        QFETCH(bool, checked);
        QAction *a = action(name);
        QVERIFY2(a, qPrintable(name));
        QCOMPARE(a->text(), caption);
        QCOMPARE(a->shortcut(), shortcut);
        QCOMPARE(a->isCheckable(), checkable);
        QCOMPARE(a->isChecked(), checked);
    }

    void topLevelMenusInOrder()
    {
        QStringList titles;
        for (QAction *a : m_window->menuBar()->actions())
            titles.append(a->text());
        QCOMPARE(titles, (QStringList { "&File", "&Vis", "&Data", "Opsætning", "Info" }));
    }

    void topBarButtons_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("bOpretRet") << "bOpretRet" << QRect(8, 8, 169, 25);
        QTest::newRow("Button1") << "Button1" << QRect(180, 8, 150, 25);
        QTest::newRow("bMultiUser") << "bMultiUser" << QRect(334, 8, 150, 25);
    }
    void topBarButtons()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        auto *button = m_window->findChild<QPushButton *>(name);
        QVERIFY(button);
        QCOMPARE(button->geometry(), geometry);
        QVERIFY(button->font().bold());
    }

    void firstShowingAppliesTheDefaultSettings()
    {
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Mirvo"));
        QVERIFY(!m_window->findChild<QPushButton *>("bMultiUser")->isVisible());
        QVERIFY(!m_window->findChild<QToolButton *>("SpeedButton1")->isVisible());
        const int barWidth = m_window->findChild<QWidget *>("AdvPanel3")->width();
        QCOMPARE(m_window->findChild<QToolButton *>("SpeedButton2")->x(), barWidth - 88);
        QCOMPARE(m_window->findChild<QToolButton *>("SpeedButton1")->x(), barWidth - 45);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
