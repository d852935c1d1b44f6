#include "appointments/appointmentdialog.h"
#include "appointments/tfrmaftaler.h"
#include "data/appointmentlistmodel.h"
#include "data/appointmentquery.h"
#include "runningprogram.h"
#include "schedule/plannergrid.h"
#include "testsupport/messagerecorder.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace {

// The first day shown, a Monday.
QDate monday(int offset = 0)
{
    return RunningProgram::today.addDays(offset);
}

QDateTime at(int dayOffset, int hour, int minute = 0)
{
    return QDateTime(monday(dayOffset), QTime(hour, minute));
}

// What the appointment dialog showed when it opened.
struct Shown
{
    QString start;
    QString end;
    QDate date;
    QString resource;
    QString heading;
};

// What the user does in the dialog: texts left empty are left as they are.
struct Answer
{
    QString start;
    QString heading;
    int resourceRow = -1;
    bool ok = true;
};

void replaceText(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

// Runs `command`, answers the appointment dialog it opens as `answer` says and tells what the
// dialog showed; `opened` is false when no dialog showed.
Shown runAppointmentDialog(const std::function<void()> &command, const Answer &answer, bool *opened = nullptr)
{
    Shown shown;
    const bool wasShown = answerDialog(
        QStringLiteral("frmAftaleTekst"),
        [&](QDialog *d) {
            auto *dialog = qobject_cast<TfrmAftaleTekst *>(d);
            shown = { dialog->startText(), dialog->endText(), dialog->date(), dialog->resourceValue(),
                dialog->heading() };
            if (!answer.start.isEmpty())
                replaceText(
                    dialog->findChild<QComboBox *>(QStringLiteral("KLfra"))->lineEdit(), answer.start);
            if (!answer.heading.isNull())
                replaceText(
                    dialog->findChild<QLineEdit *>(QStringLiteral("AftaleOverskrift")), answer.heading);
            if (answer.resourceRow >= 0)
                dialog->findChild<QComboBox *>(QStringLiteral("DbMekLookUp"))
                    ->setCurrentIndex(answer.resourceRow);
            dialog
                ->findChild<QPushButton *>(answer.ok ? QStringLiteral("Button1") : QStringLiteral("Button2"))
                ->click();
        },
        command);
    if (opened)
        *opened = wasShown;
    return shown;
}

Shown createOrEdit(RunningProgram &program, const Answer &answer, bool *opened = nullptr)
{
    return runAppointmentDialog([&] { program.click(QStringLiteral("bOpretRet")); }, answer, opened);
}

QStringList subjects(const QList<Appointment> &rows)
{
    QStringList list;
    for (const Appointment &a : rows)
        list.append(a.subject);
    return list;
}

void clickBlock(PlannerGrid &grid, const QString &key, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(grid.viewport(), button, {}, grid.itemRect(key).center());
}

} // namespace

Q_DECLARE_METATYPE(Answer)

class TestAppointmentCommands : public QObject
{
    Q_OBJECT

private slots:
    void createFromSelectedCells_data()
    {
        QTest::addColumn<int>("resources");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<bool>("us");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("firstRow");
        QTest::addColumn<int>("endRow");
        QTest::addColumn<QString>("typedStart");
        QTest::addColumn<QString>("shownStart");
        QTest::addColumn<QString>("shownEnd");
        QTest::addColumn<QDate>("shownDate");
        QTest::addColumn<QString>("shownResource");
        QTest::addColumn<QDateTime>("storedStart");
        QTest::addColumn<QDateTime>("storedEnd");
        QTest::addColumn<int>("storedMek");
        QTest::addColumn<int>("blockColumn");

        // The grid starts at 08:00 in rows of 30 minutes: row 4 is 10:00.
        QTest::newRow("Normal: 10:00 and 10:30 on Wednesday")
            << 1 << QStringList() << false << 2 << 4 << 6 << ""
            << "10:00:00"
            << "11:00:00" << monday(2) << "0" << at(2, 10) << at(2, 11) << 0 << 2;
        QTest::newRow("12-hour regional settings store the same")
            << 1 << QStringList() << true << 2 << 4 << 6 << ""
            << "10:00:00"
            << "11:00:00" << monday(2) << "0" << at(2, 10) << at(2, 11) << 0 << 2;
        QTest::newRow("Flere dage pr. Ressource., 3 days, window 4..5, position 4")
            << 6 << QStringList { "N3Dage1", "VisRes2", "bMekFrem", "bMekFrem" } << false << 4 << 0 << 1 << ""
            << "08:00:00"
            << "08:30:00" << monday(1) << "5" << at(1, 8) << at(1, 8, 30) << 5 << 4;
        QTest::newRow("Flere Ressourcer pr dag., 3 days x 2, position 3")
            << 3 << QStringList { "VisMode3", "N3Dage1", "VisRes2" } << false << 3 << 2 << 3 << ""
            << "09:00:00"
            << "09:30:00" << monday(1) << "1" << at(1, 9) << at(1, 9, 30) << 1 << 3;
        QTest::newRow("after Normal uden Ressource. every position is resource 0")
            << 6 << QStringList { "VisRes3", "VisMode1" } << false << 3 << 4 << 5 << ""
            << "10:00:00"
            << "10:30:00" << monday(3) << "0" << at(3, 10) << at(3, 10, 30) << 0 << 3;
        QTest::newRow("an hour typed alone")
            << 1 << QStringList() << false << 0 << 4 << 6 << "9"
            << "10:00:00"
            << "11:00:00" << monday() << "0" << at(0, 9) << at(0, 11) << 0 << 0;
        QTest::newRow("an hour typed alone, 12-hour settings")
            << 1 << QStringList() << true << 0 << 4 << 6 << "9"
            << "10:00:00"
            << "11:00:00" << monday() << "0" << at(0, 9) << at(0, 11) << 0 << 0;
        QTest::newRow("ending with the last slot before midnight")
            << 1 << QStringList() << false << 0 << 31 << 32 << ""
            << "23:30:00"
            << "00:00:00" << monday() << "0" << at(0, 23, 30) << at(1, 0) << 0 << 0;
    }
    void createFromSelectedCells()
    {
        QFETCH(int, resources);
        QFETCH(QStringList, clicks);
        QFETCH(bool, us);
        QFETCH(int, position);
        QFETCH(int, firstRow);
        QFETCH(int, endRow);
        QFETCH(QString, typedStart);
        QFETCH(QString, shownStart);
        QFETCH(QString, shownEnd);
        QFETCH(QDate, shownDate);
        QFETCH(QString, shownResource);
        QFETCH(QDateTime, storedStart);
        QFETCH(QDateTime, storedEnd);
        QFETCH(int, storedMek);
        QFETCH(int, blockColumn);

        MessageRecorder recorder;
        RunningProgram program(
            resources, {}, us ? RegionalSettings::usEnglish() : RegionalSettings::danish());
        QVERIFY(program.started());
        for (const QString &name : clicks)
            program.click(name);
        program.grid().selectCells(position, firstRow, endRow);

        const QString heading = QStringLiteral("Kunde \"Hansen\" 'VW'");
        bool opened = false;
        const Shown shown = createOrEdit(program, { typedStart, heading }, &opened);

        QVERIFY(opened);
        QCOMPARE(shown.start, shownStart);
        QCOMPARE(shown.end, shownEnd);
        QCOMPARE(shown.date, shownDate);
        QCOMPARE(shown.resource, shownResource);
        QCOMPARE(shown.heading, QString());
        const QList<Appointment> rows = program.rows();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].start, storedStart);
        QCOMPARE(rows[0].end, storedEnd);
        QCOMPARE(rows[0].mek, storedMek);
        QCOMPARE(rows[0].subject, heading);
        QCOMPARE(rows[0].key.size(), 38);
        QCOMPARE(
            program.shownBlocks(), QStringList { QStringLiteral("%1@%2").arg(heading).arg(blockColumn) });
        QCOMPARE(program.grid().selectedItemCount(), 0);
        QVERIFY2(recorder.shown.isEmpty(), qPrintable(recorder.texts().join(QLatin1Char('|'))));
    }

    void cancelWritesNothingAndUnselects()
    {
        MessageRecorder recorder;
        RunningProgram program(1);
        QVERIFY(program.started());
        const QString key = program.addAppointment(at(0, 10), at(0, 11), 0, "Før");
        program.window().rereadGrid();
        QCOMPARE(program.shownBlocks(), QStringList { "Før@0" });

        // a new one from cells
        program.grid().selectCells(1, 4, 6);
        bool opened = false;
        createOrEdit(program, { {}, QStringLiteral("Ny"), -1, false }, &opened);
        QVERIFY(opened);
        QCOMPARE(subjects(program.rows()), QStringList { "Før" });

        // an existing one from its block
        clickBlock(program.grid(), key);
        QCOMPARE(program.grid().selectedItemCount(), 1);
        const Shown shown = createOrEdit(program, { "9", QStringLiteral("Efter"), -1, false }, &opened);
        QVERIFY(opened);
        QCOMPARE(shown.heading, QStringLiteral("Før"));
        const QList<Appointment> rows = program.rows();
        QCOMPARE(subjects(rows), QStringList { "Før" });
        QCOMPARE(rows[0].start, at(0, 10));
        QCOMPARE(program.grid().selectedItemCount(), 0);
    }

    void editTheSelectedBlock_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QDateTime>("start");
        QTest::addColumn<int>("mek");
        QTest::addColumn<int>("blockColumn");
        // Three resources in groups of five days: resource 1's Monday is column 5.
        QTest::newRow("new heading") << Answer { {}, QStringLiteral("Efter") } << "Efter" << at(0, 10) << 1
                                     << 5;
        QTest::newRow("only the resource: moved") << Answer { {}, {}, 2 } << "Før" << at(0, 10) << 2 << 10;
        QTest::newRow("start typed as 9") << Answer { "9", {} } << "Før" << at(0, 9) << 1 << 5;
    }
    void editTheSelectedBlock()
    {
        QFETCH(Answer, answer);
        QFETCH(QString, subject);
        QFETCH(QDateTime, start);
        QFETCH(int, mek);
        QFETCH(int, blockColumn);
        MessageRecorder recorder;
        RunningProgram program(3);
        QVERIFY(program.started());
        const QString key = program.addAppointment(at(0, 10), at(0, 11), 1, "Før");
        program.addAppointment(at(1, 10), at(1, 11), 1, "Anden");
        program.click(QStringLiteral("VisRes3"));
        clickBlock(program.grid(), key);

        const Shown shown = createOrEdit(program, answer);

        QCOMPARE(shown.start, QStringLiteral("10:00"));
        QCOMPARE(shown.end, QStringLiteral("11:00"));
        QCOMPARE(shown.date, monday());
        QCOMPARE(shown.resource, QStringLiteral("1"));
        QCOMPARE(shown.heading, QStringLiteral("Før"));
        const QList<Appointment> rows = program.rows();
        QCOMPARE(rows.size(), 2);
        const auto edited
            = std::find_if(rows.begin(), rows.end(), [&](const Appointment &a) { return a.key == key; });
        QVERIFY(edited != rows.end());
        QCOMPARE(edited->subject, subject);
        QCOMPARE(edited->start, start);
        QCOMPARE(edited->end, at(0, 11));
        QCOMPARE(edited->mek, mek);
        QVERIFY(program.shownBlocks().contains(QStringLiteral("%1@%2").arg(subject).arg(blockColumn)));
        QCOMPARE(program.grid().selectedItemCount(), 0);
        QVERIFY(recorder.shown.isEmpty());
    }

    void anAppointmentEndingAtMidnightKeepsItsEndWhenEdited()
    {
        MessageRecorder recorder;
        RunningProgram program(1);
        QVERIFY(program.started());
        const QString key = program.addAppointment(at(0, 23, 30), at(1, 0), 0, "Sent");
        program.window().rereadGrid();
        QScrollBar *scroll = program.grid().verticalScrollBar();
        scroll->setValue(scroll->maximum());
        clickBlock(program.grid(), key);
        QCOMPARE(program.grid().selectedItemCount(), 1);

        const Shown shown = createOrEdit(program, { {}, QStringLiteral("Senere") });

        QCOMPARE(shown.end, QStringLiteral("0:00"));
        const QList<Appointment> rows = program.rows();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].end, at(1, 0));
        QCOMPARE(program.shownBlocks(), QStringList { "Senere@0" });
    }

    void newAppointmentOnAnExistingSlotUpdatesThatRow()
    {
        MessageRecorder recorder;
        RunningProgram program(1);
        QVERIFY(program.started());
        const QString key = program.addAppointment(at(0, 10), at(0, 11), 0, "Gammel");
        program.grid().selectCells(0, 4, 6);

        createOrEdit(program, { {}, QStringLiteral("Ny") });

        const QList<Appointment> rows = program.rows();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].key, key);
        QCOMPARE(rows[0].subject, QStringLiteral("Ny"));
    }

    void sletDeletesExactlyTheSelectedBlock()
    {
        MessageRecorder recorder;
        RunningProgram program(1);
        QVERIFY(program.started());
        program.addAppointment(at(0, 8), at(0, 9), 0, "A");
        const QString b = program.addAppointment(at(0, 10), at(0, 11), 0, "B");
        program.addAppointment(at(1, 10), at(1, 11), 0, "C");
        program.window().rereadGrid();

        // nothing selected: nothing happens
        program.grid().selectCells(2, 0, 1);
        program.click(QStringLiteral("Button1"));
        QCOMPARE(subjects(program.rows()), (QStringList { "A", "B", "C" }));

        clickBlock(program.grid(), b);
        program.click(QStringLiteral("Button1"));

        QCOMPARE(subjects(program.rows()), (QStringList { "A", "C" }));
        QCOMPARE(program.shownBlocks(), (QStringList { "A@0", "C@1" }));
        QCOMPARE(program.grid().selectedItemCount(), 0);
        QVERIFY(recorder.shown.isEmpty());
    }

    void rightClicks()
    {
        MessageRecorder recorder;
        RunningProgram program(1);
        QVERIFY(program.started());
        PlannerGrid &grid = program.grid();
        const QString a = program.addAppointment(at(0, 8), at(0, 9), 0, "A");
        const QString b = program.addAppointment(at(1, 10), at(1, 11), 0, "B");
        program.window().rereadGrid();

        // on a block while another is selected: the dialog is for the clicked one
        clickBlock(grid, a);
        bool opened = false;
        Shown shown = runAppointmentDialog(
            [&] { clickBlock(grid, b, Qt::RightButton); }, { {}, {}, -1, false }, &opened);
        QVERIFY(opened);
        QCOMPARE(shown.heading, QStringLiteral("B"));
        QCOMPARE(shown.date, monday(1));
        QCOMPARE(grid.selectedItemCount(), 0);

        // on an empty cell with nothing selected: a new appointment on that cell
        shown = runAppointmentDialog(
            [&] { QTest::mouseClick(grid.viewport(), Qt::RightButton, {}, grid.cellRect(3, 6).center()); },
            { {}, {}, -1, false }, &opened);
        QVERIFY(opened);
        QCOMPARE(shown.heading, QString());
        QCOMPARE(shown.start, QStringLiteral("11:00:00"));
        QCOMPARE(shown.end, QStringLiteral("11:30:00"));
        QCOMPARE(shown.date, monday(3));
        QCOMPARE(program.rows().size(), 2);
    }

    void appointmentList()
    {
        // GIVEN resources 0..2 with "2 Ressource" shown, appointments of every resource and date
        MessageRecorder recorder;
        RunningProgram program(3);
        QVERIFY(program.started());
        program.addAppointment(at(0, 9), at(0, 10), 1, "B1");
        program.addAppointment(at(0, 9), at(0, 10), 2, "C");
        program.addAppointment(at(400, 9), at(400, 10), 1, "B-later");
        program.addAppointment(at(0, 11), at(0, 12), 0, "A");
        program.click(QStringLiteral("VisRes2"));
        QCOMPARE(program.shownBlocks(), (QStringList { "A@0", "B1@5" }));

        // WHEN the list is opened, its first row deleted by "&Slet", and it is closed by the close box
        QStringList listed;
        QStringList gridWhileOpen;
        const bool opened = answerDialog(
            QStringLiteral("frmAftaler"),
            [&](QDialog *d) {
                auto *list = qobject_cast<TfrmAftaler *>(d);
                for (int row = 0; row < list->model()->rowCount(); ++row)
                    listed.append(list->model()->appointmentAt(row).subject);
                QTest::mouseClick(list->findChild<QPushButton *>(QStringLiteral("BitBtn2")), Qt::LeftButton);
                gridWhileOpen = program.shownBlocks();
                list->close();
            },
            [&] { program.click(QStringLiteral("Aftaler1")); });

        // THEN only resources 0 and 1 were listed, by resource; the highlighted row went at once,
        // and the grid shows it gone once the list has closed
        QVERIFY(opened);
        QCOMPARE(listed.size(), 3);
        QCOMPARE(listed.first(), QStringLiteral("A"));
        QStringList resource1 = listed.mid(1);
        resource1.sort();
        QCOMPARE(resource1, (QStringList { "B-later", "B1" }));
        QCOMPARE(subjects(program.rows()), (QStringList { "B1", "B-later", "C" }));
        QCOMPARE(gridWhileOpen, (QStringList { "A@0", "B1@5" }));
        QCOMPARE(program.shownBlocks(), QStringList { "B1@5" });
        QVERIFY(recorder.shown.isEmpty());
    }

    void sletInAnEmptyListDoesNothing()
    {
        MessageRecorder recorder;
        RunningProgram program(2);
        QVERIFY(program.started());
        program.addAppointment(at(0, 9), at(0, 10), 1, "B");
        int rowsListed = -1;
        const bool opened = answerDialog(
            QStringLiteral("frmAftaler"),
            [&](QDialog *d) {
                auto *list = qobject_cast<TfrmAftaler *>(d);
                rowsListed = list->model()->rowCount();
                QTest::mouseClick(list->findChild<QPushButton *>(QStringLiteral("BitBtn2")), Qt::LeftButton);
                QTest::mouseClick(list->findChild<QPushButton *>(QStringLiteral("BitBtn1")), Qt::LeftButton);
            },
            [&] { program.click(QStringLiteral("Aftaler1")); });
        QVERIFY(opened);
        QCOMPARE(rowsListed, 0);
        QCOMPARE(subjects(program.rows()), QStringList { "B" });
        QVERIFY(recorder.shown.isEmpty());
    }

    void refreshShowsAnotherCopysAppointment()
    {
        MessageRecorder recorder;
        RunningProgram program(1, "[Diverse]\nMultiUser=1\n");
        QVERIFY(program.started());
        auto *refresh = program.control<QPushButton>(QStringLiteral("bMultiUser"));
        QVERIFY(refresh->isVisible());
        program.addAppointment(at(1, 9), at(1, 10), 0, "Fra den anden");
        QCOMPARE(program.shownBlocks(), QStringList());

        QTest::mouseClick(refresh, Qt::LeftButton);

        QCOMPARE(program.shownBlocks(), QStringList { "Fra den anden@1" });
    }
};

QTEST_MAIN(TestAppointmentCommands)
#include "tst_appointmentcommands.moc"
