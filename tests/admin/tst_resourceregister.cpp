#include "admin/htmlbutton.h"
#include "admin/resourcename.h"
#include "admin/resourceregistertarget.h"
#include "admin/tfrmressourcer.h"
#include "data/appointmentstore.h"
#include "data/connection.h"
#include "data/resourcequery.h"
#include "data/resourcestore.h"
#include "testsupport/messagerecorder.h"
#include "testsupport/testdatabase.h"
#include "testsupport/testrows.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>

namespace {

// Stands for the main window: re-reads qMek as the main window does, and records the calls.
class RecordingRegisterTarget : public ResourceRegisterTarget
{
public:
    explicit RecordingRegisterTarget(ResourceQuery *qMek)
        : m_qMek(qMek)
    { }
    QStringList calls;

    void resourceDeleted() override
    {
        calls.append(QStringLiteral("resourceDeleted"));
        m_qMek->reopen();
    }
    void systemResourceRenamed() override
    {
        calls.append(QStringLiteral("systemResourceRenamed"));
        m_qMek->reopen();
    }

private:
    ResourceQuery *m_qMek;
};

template<typename T> T *control(QWidget &window, const QString &name)
{
    T *found = window.findChild<T *>(name);
    if (!found)
        qWarning("no control %s", qPrintable(name));
    return found;
}

QString nameOfId1(QSqlDatabase db)
{
    QSqlQuery q(db);
    q.exec(QStringLiteral("SELECT Navn FROM Res WHERE id = 1"));
    return q.next() ? q.value(0).toString() : QString();
}

struct Fixture
{
    Fixture()
        : qMek(openDatabase())
        , store(connection.database())
        , target(&qMek)
        , window(&qMek, &store, &target)
    { }

    QSqlDatabase openDatabase()
    {
        connection.openSqliteFile(database.path());
        return connection.database();
    }
    QSqlDatabase db() const { return connection.database(); }

    // Resources 1..4 named R1..R4 beside System, and appointments "a<n>" and "b<n>" on each.
    void fiveResources()
    {
        AppointmentStore appointmentStore(db());
        for (int n = 0; n <= 4; ++n) {
            if (n > 0)
                store.insertResource(QStringLiteral("R%1").arg(n));
            for (const char *prefix : { "a", "b" }) {
                Appointment a;
                a.key = QStringLiteral("{%1%2}").arg(QLatin1String(prefix)).arg(n);
                a.subject = QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(n);
                a.start = QDateTime(QDate(2024, 1, 15), QTime(8, 0));
                a.end = QDateTime(QDate(2024, 1, 15), QTime(9, 0));
                a.mek = n;
                appointmentStore.insert(a);
            }
        }
        qMek.reopen();
    }
    void select(int mekKey)
    {
        QTableView *list = grid();
        list->selectRow(qMek.rowOfMekKey(mekKey));
        QCOMPARE(window.selectedMekKey(), mekKey);
    }
    void type(const QString &text) { control<QLineEdit>(window, "eInsertMekNavn")->setText(text); }
    void click(const char *button)
    {
        QTest::mouseClick(control<QPushButton>(window, button), Qt::LeftButton);
    }
    void showAndActivate()
    {
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }
    QTableView *grid() { return control<QTableView>(window, "wwDBGrid2"); }

    TestDatabase database;
    Connection connection;
    ResourceQuery qMek;
    ResourceStore store;
    RecordingRegisterTarget target;
    MessageRecorder messages;
    TfrmRessourcer window;
};

} // namespace

class TestResourceRegister : public QObject
{
    Q_OBJECT

private slots:
    void controls()
    {
        Fixture f;
        f.qMek.reopen();
        QCOMPARE(f.window.objectName(), QStringLiteral("frmRessourcer"));
        QCOMPARE(f.window.windowTitle(), QStringLiteral("Ressourcer"));
        QCOMPARE(f.window.minimumSize(), f.window.maximumSize());

        QTableView *list = f.grid();
        QCOMPARE(list->model(), &f.qMek);
        for (int column = 0; column < f.qMek.columnCount(); ++column)
            QCOMPARE(list->isColumnHidden(column), column != ResourceQuery::NameColumn);
        QCOMPARE(
            f.qMek.headerData(ResourceQuery::NameColumn, Qt::Horizontal).toString(), QStringLiteral("Navn"));
        QCOMPARE(list->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(list->selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);
        QVERIFY(list->showGrid());
        QCOMPARE(list->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QVERIFY(list->horizontalHeader()->stretchLastSection());
        QCOMPARE(list->horizontalHeader()->font().family(), QStringLiteral("Arial"));
        QVERIFY(list->horizontalHeader()->font().bold());
        QCOMPARE(list->font().family(), QStringLiteral("Arial"));
        QCOMPARE(list->font().pixelSize(), 13);
        QCOMPARE(list->palette().color(QPalette::Inactive, QPalette::Highlight),
            list->palette().color(QPalette::Active, QPalette::Highlight));

        auto *label = control<QLabel>(f.window, "Label4");
        auto *name = control<QLineEdit>(f.window, "eInsertMekNavn");
        QCOMPARE(label->text(), QStringLiteral("Navn på ressource"));
        QVERIFY(label->font().bold());
        QCOMPARE(label->font().family(), QStringLiteral("Arial"));
        QVERIFY(label->geometry().right() < name->x());
        QVERIFY(qAbs(label->geometry().center().y() - name->geometry().center().y()) <= 2);
        QVERIFY(name->text().isEmpty());
        QVERIFY(name->y() > list->geometry().bottom());

        // Rename, create, delete from left to right, one row under the name field.
        const QStringList names { "HTMLButton2", "bOpretMek", "HTMLButton1" };
        const QStringList captions { R"(<FONT size="10"><P align="left">Om&døb system ressource</P></FONT>)",
            R"(<FONT size="10">&Opret</FONT>)", R"(<FONT size="10">&Slet</FONT>)" };
        const QStringList texts { "Om&døb system ressource", "&Opret", "&Slet" };
        int left = -1;
        for (int i = 0; i < names.size(); ++i) {
            auto *button = control<HTMLButton>(f.window, names[i]);
            QCOMPARE(button->htmlCaption(), captions[i]);
            QCOMPARE(button->property("htmlCaption").toString(), captions[i]);
            QCOMPARE(button->text(), texts[i]);
            QVERIFY(button->x() > left);
            QVERIFY(button->y() > name->geometry().bottom());
            QCOMPARE(button->y(), control<HTMLButton>(f.window, names[0])->y());
            QVERIFY(!button->autoDefault());
            left = button->geometry().right();
        }
        QCOMPARE(control<QPushButton>(f.window, "BitBtn1")->text(), QStringLiteral("&Luk"));
    }

    void refusesResizeAndCloses_data()
    {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("&Luk") << false;
        QTest::newRow("close box") << true;
    }
    void refusesResizeAndCloses()
    {
        QFETCH(bool, closeBox);
        Fixture f;
        f.window.show();
        const QSize size = f.window.size();
        f.window.resize(size + QSize(100, 100));
        QCOMPARE(f.window.size(), size);
        if (closeBox)
            f.window.close();
        else
            f.click("BitBtn1");
        QVERIFY(f.window.isHidden());
        QCOMPARE(f.target.calls, QStringList());
    }

    void plainCaption_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("plain");
        QTest::newRow("font around") << R"(<FONT size="10">&Opret</FONT>)"
                                     << "&Opret";
        QTest::newRow("paragraph inside")
            << R"(<FONT size="10"><P align="left">Om&døb system ressource</P></FONT>)"
            << "Om&døb system ressource";
        QTest::newRow("literal ampersand entity") << "<B>A &amp; B</B>"
                                                  << "A && B";
        QTest::newRow("no tags") << "Plain"
                                 << "Plain";
        QTest::newRow("entities") << "&lt;x&gt;&nbsp;&quot;y&quot;"
                                  << "<x> \"y\"";
    }
    void plainCaption()
    {
        QFETCH(QString, caption);
        QFETCH(QString, plain);
        QCOMPARE(HTMLButton::plainText(caption), plain);
    }

    void trimmedName_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("trimmed");
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("blanks only") << "   "
                                     << "";
        QTest::newRow("control characters only") << QStringLiteral("\t\x01\r\n\x7f") << "";
        QTest::newRow("blanks around") << "  Anne  "
                                       << "Anne";
        QTest::newRow("control characters around") << QStringLiteral("\x02\tAnne\x1f\n") << "Anne";
        QTest::newRow("no-break space around") << QStringLiteral("\u00a0Anne\u00a0") << "Anne";
        QTest::newRow("inner blanks kept") << " Anne  Bo "
                                           << "Anne  Bo";
        QTest::newRow("nothing to trim") << "Søren"
                                         << "Søren";
    }
    void trimmedName()
    {
        QFETCH(QString, typed);
        QFETCH(QString, trimmed);
        QCOMPARE(trimmedResourceName(typed), trimmed);
    }

    void createStoresTheTrimmedNameUnderTheNextNumber_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("blanks around") << "  Anne Bo  "
                                       << "Anne Bo";
        QTest::newRow("control characters around") << QStringLiteral("\t\x01 Anne Bo\r\n") << "Anne Bo";
        QTest::newRow("a quote") << "Bo's lift"
                                 << "Bo's lift";
    }
    void createStoresTheTrimmedNameUnderTheNextNumber()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        Fixture f;
        f.fiveResources();
        f.window.show();
        f.select(2);
        f.type(typed);
        f.click("bOpretMek");
        QCOMPARE(resources(f.db()).last(), QStringLiteral("5:") + stored);
        QCOMPARE(f.qMek.count(), 6);
        // The new row is selected; the name field keeps what was typed.
        QCOMPARE(f.window.selectedMekKey(), 5);
        QCOMPARE(control<QLineEdit>(f.window, "eInsertMekNavn")->text(), typed);
        QVERIFY(f.messages.shown.isEmpty());
        QCOMPARE(f.target.calls, QStringList());
    }

    void emptyNameDoesNothing_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("button");
        QTest::newRow("create, nothing typed") << "" << QByteArray("bOpretMek");
        QTest::newRow("create, blanks only") << "    " << QByteArray("bOpretMek");
        QTest::newRow("create, control characters only")
            << QStringLiteral("\t\x01") << QByteArray("bOpretMek");
        QTest::newRow("rename, blanks only") << "    " << QByteArray("HTMLButton2");
    }
    void emptyNameDoesNothing()
    {
        QFETCH(QString, typed);
        QFETCH(QByteArray, button);
        Fixture f;
        f.qMek.reopen();
        const QStringList before = resources(f.db());
        f.window.show();
        f.type(typed);
        f.click(button.constData());
        QCOMPARE(resources(f.db()), before);
        QVERIFY(f.messages.shown.isEmpty());
        QCOMPARE(f.target.calls, QStringList());
        QVERIFY(f.window.isVisible());
    }

    void createInAnEmptyRegisterGivesNumberOne()
    {
        Fixture f;
        exec(f.db(), QStringLiteral("DELETE FROM Res"));
        f.qMek.reopen();
        f.window.show();
        QCOMPARE(f.window.selectedMekKey(), 0);
        f.type(QStringLiteral("Første"));
        f.click("bOpretMek");
        QCOMPARE(resources(f.db()), QStringList { QStringLiteral("1:Første") });
        QCOMPARE(f.window.selectedMekKey(), 1);
    }

    void nameFieldKeepsItsTextBetweenShowings()
    {
        Fixture f;
        f.window.show();
        QTest::keyClicks(control<QLineEdit>(f.window, "eInsertMekNavn"), QStringLiteral("Lift 2"));
        f.click("BitBtn1");
        QVERIFY(f.window.isHidden());
        f.window.show();
        QCOMPARE(control<QLineEdit>(f.window, "eInsertMekNavn")->text(), QStringLiteral("Lift 2"));
    }

    void deleteRenumbersResourcesAndAppointments_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QStringList>("resourcesAfter");
        QTest::addColumn<QStringList>("appointmentsAfter");
        QTest::newRow("the first after System")
            << 1 << QStringList { "0:System", "1:R2", "2:R3", "3:R4" }
            << QStringList { "0:a0", "1:a2", "2:a3", "3:a4", "0:b0", "1:b2", "2:b3", "3:b4" };
        QTest::newRow("a middle one")
            << 2 << QStringList { "0:System", "1:R1", "2:R3", "3:R4" }
            << QStringList { "0:a0", "1:a1", "2:a3", "3:a4", "0:b0", "1:b1", "2:b3", "3:b4" };
        QTest::newRow("the highest") << 4 << QStringList { "0:System", "1:R1", "2:R2", "3:R3" }
                                     << QStringList { "0:a0", "1:a1", "2:a2", "3:a3", "0:b0", "1:b1", "2:b2",
                                            "3:b3" };
    }
    void deleteRenumbersResourcesAndAppointments()
    {
        QFETCH(int, n);
        QFETCH(QStringList, resourcesAfter);
        QFETCH(QStringList, appointmentsAfter);
        Fixture f;
        f.fiveResources();
        f.window.show();
        f.select(n);
        f.click("HTMLButton1");
        QCOMPARE(resources(f.db()), resourcesAfter);
        QCOMPARE(appointments(f.db()), appointmentsAfter);
        QCOMPARE(f.target.calls, QStringList { QStringLiteral("resourceDeleted") });
        QVERIFY(f.messages.shown.isEmpty());
        QVERIFY(f.window.isVisible());
        // The selection stays on the same number, or on the last row after the highest went.
        QCOMPARE(f.window.selectedMekKey(), std::min(n, 3));
    }

    void deleteWithoutAResourceToDeleteDoesNothing_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::newRow("System selected") << "system";
        QTest::newRow("nothing selected") << "none";
        QTest::newRow("empty list") << "empty";
    }
    void deleteWithoutAResourceToDeleteDoesNothing()
    {
        QFETCH(QString, situation);
        Fixture f;
        f.fiveResources();
        f.window.show();
        if (situation == QLatin1String("system"))
            f.select(0);
        else if (situation == QLatin1String("none"))
            f.grid()->clearSelection();
        else {
            exec(f.db(), QStringLiteral("DELETE FROM Schedules WHERE MEK = 0"));
            exec(f.db(), QStringLiteral("DELETE FROM Res"));
            f.qMek.reopen();
        }
        QCOMPARE(f.window.selectedMekKey(), 0);
        const QStringList resourcesBefore = resources(f.db());
        const QStringList appointmentsBefore = appointments(f.db());
        f.click("HTMLButton1");
        QCOMPARE(resources(f.db()), resourcesBefore);
        QCOMPARE(appointments(f.db()), appointmentsBefore);
        QCOMPARE(f.target.calls, QStringList());
        QVERIFY(f.messages.shown.isEmpty());
    }

    void renameChangesTheRowWithIdOneWhateverIsSelected()
    {
        Fixture f;
        f.fiveResources();
        // The row with id 1 need not carry number 0.
        exec(f.db(), QStringLiteral("UPDATE Res SET MekKey = 9 WHERE id = 1"));
        exec(f.db(), QStringLiteral("UPDATE Res SET MekKey = 0 WHERE Navn = 'R4'"));
        f.qMek.reopen();
        f.window.show();
        f.select(3);
        f.type(QStringLiteral("  Bo's \"værksted\"\t"));
        f.click("HTMLButton2");
        QCOMPARE(nameOfId1(f.db()), QStringLiteral("Bo's \"værksted\""));
        QCOMPARE(resources(f.db()),
            (QStringList { "0:R4", "1:R1", "2:R2", "3:R3", QStringLiteral("9:Bo's \"værksted\"") }));
        QCOMPARE(f.target.calls, QStringList { QStringLiteral("systemResourceRenamed") });
        QCOMPARE(f.window.selectedMekKey(), 3);
        QVERIFY(f.messages.shown.isEmpty());
    }

    void selectionFollowsTheResourceAcrossRereads()
    {
        Fixture f;
        f.fiveResources();
        f.select(3);
        // Rows come and go before the selected one: the same resource stays selected.
        exec(f.db(), QStringLiteral("DELETE FROM Res WHERE MekKey = 1"));
        f.qMek.reopen();
        QCOMPARE(f.window.selectedMekKey(), 3);
        QCOMPARE(
            f.qMek.nameAt(f.grid()->selectionModel()->selectedRows().value(0).row()), QStringLiteral("R3"));
        // The selected number is gone: the row nearest to where it was.
        exec(f.db(), QStringLiteral("DELETE FROM Res WHERE MekKey >= 3"));
        f.qMek.reopen();
        QCOMPARE(f.window.selectedMekKey(), 2);
    }

    void failingCommandShowsTheErrorAndChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<QString>("trigger");
        QTest::newRow("create") << QByteArray("bOpretMek") << "BEFORE INSERT ON Res";
        QTest::newRow("delete, renumbering appointments")
            << QByteArray("HTMLButton1") << "BEFORE UPDATE ON Schedules";
        QTest::newRow("delete, renumbering resources") << QByteArray("HTMLButton1") << "BEFORE UPDATE ON Res";
        QTest::newRow("rename") << QByteArray("HTMLButton2") << "BEFORE UPDATE ON Res";
    }
    void failingCommandShowsTheErrorAndChangesNothing()
    {
        QFETCH(QByteArray, button);
        QFETCH(QString, trigger);
        Fixture f;
        f.fiveResources();
        f.window.show();
        f.select(2);
        f.type(QStringLiteral("Ny"));
        const QStringList resourcesBefore = resources(f.db());
        const QStringList appointmentsBefore = appointments(f.db());
        exec(f.db(),
            QStringLiteral("CREATE TEMP TRIGGER refuse %1 BEGIN SELECT RAISE(ABORT, 'boom'); END")
                .arg(trigger));
        f.click(button.constData());
        QCOMPARE(f.messages.shown.size(), 1);
        QCOMPARE(f.messages.shown.first().kind, Messages::Kind::Error);
        QVERIFY2(f.messages.shown.first().text.contains(QLatin1String("boom")),
            qPrintable(f.messages.shown.first().text));
        QVERIFY(f.window.isVisible());
        QCOMPARE(resources(f.db()), resourcesBefore);
        QCOMPARE(appointments(f.db()), appointmentsBefore);
        QCOMPARE(f.target.calls, QStringList());
        QCOMPARE(f.window.selectedMekKey(), 2);
    }

    void htmlCaptionsAreDrawn_data()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<bool>("centred");
        QTest::newRow("rename, left-aligned") << QByteArray("HTMLButton2") << false;
        QTest::newRow("create, centred") << QByteArray("bOpretMek") << true;
        QTest::newRow("delete, centred") << QByteArray("HTMLButton1") << true;
    }
    void htmlCaptionsAreDrawn()
    {
        QFETCH(QByteArray, button);
        QFETCH(bool, centred);
        Fixture f;
        f.window.show();
        auto *b = control<HTMLButton>(f.window, button.constData());
        const QImage image = b->grab().toImage();
        // The caption's ink: pixels much darker than the button face, inside the frame.
        const QRgb face = image.pixel(image.width() / 2, 4);
        int leftInk = image.width();
        int rightInk = -1;
        for (int y = 4; y < image.height() - 4; ++y) {
            for (int x = 4; x < image.width() - 4; ++x) {
                if (qGray(image.pixel(x, y)) < qGray(face) - 80) {
                    leftInk = std::min(leftInk, x);
                    rightInk = std::max(rightInk, x);
                }
            }
        }
        QVERIFY2(rightInk > leftInk + 10, "no caption drawn");
        const int leftMargin = leftInk;
        const int rightMargin = image.width() - 1 - rightInk;
        if (centred)
            QVERIFY2(qAbs(leftMargin - rightMargin) <= 6,
                qPrintable(QStringLiteral("%1 %2").arg(leftMargin).arg(rightMargin)));
        else
            QVERIFY2(leftMargin < 16 && rightMargin > leftMargin,
                qPrintable(QStringLiteral("%1 %2").arg(leftMargin).arg(rightMargin)));
    }

    void altLetterClicksTheButton_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QByteArray>("button");
        QTest::newRow("Alt+O") << int(Qt::Key_O) << QByteArray("bOpretMek");
        QTest::newRow("Alt+S") << int(Qt::Key_S) << QByteArray("HTMLButton1");
        QTest::newRow("Alt+D") << int(Qt::Key_D) << QByteArray("HTMLButton2");
    }
    void altLetterClicksTheButton()
    {
        QFETCH(int, key);
        QFETCH(QByteArray, button);
        Fixture f;
        f.showAndActivate();
        QSignalSpy clicked(control<QPushButton>(f.window, button.constData()), &QPushButton::clicked);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::AltModifier);
        // A shortcut clicks the way a mouse would, after showing the button pressed for a moment.
        QTRY_COMPARE(clicked.count(), 1);
    }

    void altOCreatesFromTheNameField()
    {
        Fixture f;
        f.qMek.reopen();
        f.showAndActivate();
        auto *name = control<QLineEdit>(f.window, "eInsertMekNavn");
        name->setFocus();
        QTest::keyClicks(name, QStringLiteral("Anne"));
        QTest::keyClick(name, Qt::Key_O, Qt::AltModifier);
        QTRY_COMPARE(resources(f.db()), (QStringList { "0:System", "1:Anne" }));
    }
};

QTEST_MAIN(TestResourceRegister)
#include "tst_resourceregister.moc"
