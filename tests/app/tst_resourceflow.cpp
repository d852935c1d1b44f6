#include "app/tfrmmirvo.h"
#include "data/appointment.h"
#include "data/appointmentquery.h"
#include "data/appointmentstore.h"
#include "data/resourcequery.h"
#include "data/resourcestore.h"
#include "schedule/plannergrid.h"
#include "testsupport/messagerecorder.h"
#include "testsupport/testdatabase.h"
#include "testsupport/testenvironment.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>
#include <QTimer>

namespace {

const QDate monday(2024, 1, 15);

// GIVEN a main window on a database with the resources System, R1 .. R(count-1), each with one
// appointment on Monday at 9 + its number o'clock.
struct Planner
{
    TestDatabase db;
    Connection connection;
    std::unique_ptr<TfrmMirvo> window;

    explicit Planner(int count)
    {
        db.open(connection);
        ResourceStore resources(connection.database());
        AppointmentStore appointments(connection.database());
        for (int n = 0; n < count; ++n) {
            if (n > 0)
                resources.insertResource(QStringLiteral("R%1").arg(n));
            Appointment a;
            a.start = QDateTime(monday, QTime(9 + n, 0));
            a.end = a.start.addSecs(1800);
            a.subject = QStringLiteral("of %1").arg(n);
            a.mek = n;
            appointments.save(std::nullopt, a);
        }
        const Environment e = testEnvironment(db.folder(), monday);
        window = std::make_unique<TfrmMirvo>(e);
        if (window->FormCreate()) {
            window->createWindows();
            window->show();
        }
    }

    void click(const char *action) { window->findChild<QAction *>(QLatin1String(action))->trigger(); }
    bool ticked(const QString &action) const { return window->findChild<QAction *>(action)->isChecked(); }

    // Opens the resource register and does `inside` with it before closing it.
    void inRegister(const std::function<void(QDialog *)> &inside)
    {
        QTimer::singleShot(0, window.get(), [this, inside] {
            auto *reg = window->findChild<QDialog *>(QStringLiteral("frmRessourcer"));
            inside(reg);
            reg->findChild<QPushButton *>(QStringLiteral("BitBtn1"))->click();
        });
        click("Kartotek1");
    }

    static void deleteResource(QDialog *reg, int mekKey)
    {
        auto *list = reg->findChild<QTableView *>(QStringLiteral("wwDBGrid2"));
        auto *model = qobject_cast<ResourceQuery *>(list->model());
        list->selectRow(model->rowOfMekKey(mekKey));
        reg->findChild<QPushButton *>(QStringLiteral("HTMLButton1"))->click();
    }

    QList<int> column(const QString &sql)
    {
        QList<int> values;
        QSqlQuery q(connection.database());
        q.exec(sql);
        while (q.next())
            values.append(q.value(0).toInt());
        return values;
    }
};

} // namespace

class TestResourceFlow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { MIRVO_REQUIRE_TEST_ENGINE(); }

    void deletionFitsTheView_data()
    {
        QTest::addColumn<int>("resources");
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<int>("deleted");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("resourceTick");
        QTest::addColumn<int>("shownResources");
        QTest::addColumn<bool>("controlsEnabled");
        // Three shown side by side, two remain: two shown, "2 Ressource" ticked.
        QTest::newRow("three shown, two left")
            << 3 << QStringList { "VisRes3" } << 2 << int(Mode::dmMultiDayRes) << "VisRes2" << 2 << true;
        // Without resources in view, three left: the view takes the resources in.
        QTest::newRow("normal view, three left")
            << 4 << QStringList { "VisMode1" } << 1 << int(Mode::dmMultiDayRes) << "VisRes1" << 1 << true;
        // Only System left: back to the view without resources.
        QTest::newRow("one left") << 2 << QStringList { "VisRes2" } << 1 << int(Mode::dmMultiDay) << "VisRes1"
                                  << 1 << false;
    }
    void deletionFitsTheView()
    {
        QFETCH(int, resources);
        QFETCH(QStringList, before);
        QFETCH(int, deleted);
        QFETCH(int, mode);
        QFETCH(QString, resourceTick);
        QFETCH(int, shownResources);
        QFETCH(bool, controlsEnabled);
        Planner planner(resources);
        QVERIFY(planner.window->isVisible());
        for (const QString &action : before)
            planner.click(qPrintable(action));

        MessageRecorder recorder;
        planner.inRegister([&](QDialog *reg) { Planner::deleteResource(reg, deleted); });

        QVERIFY(recorder.shown.isEmpty());
        QList<int> expected;
        for (int n = 0; n < resources - 1; ++n)
            expected.append(n);
        QCOMPARE(planner.column("SELECT MekKey FROM Res ORDER BY MekKey"), expected);
        // The deleted resource's appointment is gone; the later ones moved down with their resource.
        QCOMPARE(planner.column("SELECT MEK FROM Schedules ORDER BY STARTTIME"), expected);
        QCOMPARE(int(planner.window->grid()->mode()), mode);
        QVERIFY(planner.ticked(resourceTick));
        QCOMPARE(planner.window->grid()->numberOfResources(), shownResources);
        QCOMPARE(planner.window->findChild<QComboBox *>("DbMekLookUp")->isEnabled(), controlsEnabled);
    }

    void renamedSystemShowsOnceTheRegisterCloses()
    {
        Planner planner(3);
        planner.click("VisMode2");
        planner.inRegister([](QDialog *reg) {
            reg->findChild<QLineEdit *>(QStringLiteral("eInsertMekNavn"))
                ->setText(QStringLiteral("  Værksted \"A\" "));
            reg->findChild<QPushButton *>(QStringLiteral("HTMLButton2"))->click();
        });
        QCOMPARE(planner.window->findChild<QComboBox *>("DbMekLookUp")->currentText(),
            QStringLiteral("Værksted \"A\""));
        QCOMPARE(planner.window->grid()->groupHeading(0), QStringLiteral("Værksted \"A\""));
    }

    void closingTheRegisterPicksSystem()
    {
        Planner planner(5);
        auto *picker = planner.window->findChild<QComboBox *>("DbMekLookUp");
        picker->setCurrentIndex(3);
        emit picker->activated(3);
        QCOMPARE(planner.window->appointmentQuery()->minMek(), 3);

        planner.inRegister([](QDialog *) {});

        QCOMPARE(picker->currentText(), QStringLiteral("System"));
        QCOMPARE(planner.window->appointmentQuery()->minMek(), 0);
        QCOMPARE(planner.window->appointmentQuery()->maxMek(), 0);
        QVERIFY(planner.ticked("VisRes1"));
    }
};

QTEST_MAIN(TestResourceFlow)
#include "tst_resourceflow.moc"
