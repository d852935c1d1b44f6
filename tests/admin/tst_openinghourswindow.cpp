#include "admin/tfrmarbejdstider.h"
#include "app/settings/inifile.h"
#include "app/settings/settingsfile.h"
#include "data/connection.h"
#include "data/openinghoursrow.h"
#include "recordingtarget.h"
#include "schedule/timelist.h"
#include "testsupport/messagerecorder.h"
#include "testsupport/testdatabase.h"
#include "testsupport/testfiles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QStringList FieldNames { "CbManFra", "CbManTil", "CbTirFra", "CbTirTil", "CbOnsFra", "CbOnsTil",
    "CbTorFra", "CbTorTil", "CbFreFra", "CbFreTil", "CbLorFra", "CbLorTil", "CbSonFra", "CbSonTil" };

template<typename T> T *control(QWidget &window, const QString &name)
{
    T *found = window.findChild<T *>(name);
    if (!found)
        qWarning("no control %s", qPrintable(name));
    return found;
}

int settingsRows(QSqlDatabase db)
{
    QSqlQuery q(db);
    q.exec(QStringLiteral("SELECT COUNT(*) FROM Settings"));
    q.next();
    return q.value(0).toInt();
}

// A database made as the program's tool makes it, a program folder and the window over both.
struct Fixture
{
    explicit Fixture(const QString &programFolder = {})
        : window(openDatabase(), programFolder.isEmpty() ? dir.path() : programFolder, &target)
    { }

    QSqlDatabase openDatabase()
    {
        connection.openSqliteFile(database.path());
        return connection.database();
    }
    QStringList stored() const { return OpeningHoursRow(connection.database()).read14(); }
    QComboBox *field(const QString &name) { return control<QComboBox>(window, name); }
    void close(bool closeBox)
    {
        if (closeBox)
            window.close();
        else
            QTest::mouseClick(control<QPushButton>(window, "BitBtn1"), Qt::LeftButton);
    }
    QString useActiveTime() const
    {
        return IniFile(settingsFilePath(dir.path()))
            .readString(SettingsKeys::sectionActiveTime, SettingsKeys::useActiveTime, QStringLiteral("-"));
    }

    QTemporaryDir dir;
    TestDatabase database;
    Connection connection;
    RecordingTarget target;
    MessageRecorder messages;
    TfrmArbejdstider window;
};

} // namespace

class TestOpeningHoursWindow : public QObject
{
    Q_OBJECT

private slots:
    void controls()
    {
        Fixture f;
        QCOMPARE(f.window.objectName(), QStringLiteral("frmArbejdstider"));
        QCOMPARE(f.window.windowTitle(), QStringLiteral("Åbningstider"));
        QCOMPARE(f.window.minimumSize(), f.window.maximumSize());
        QCOMPARE(control<QGroupBox>(f.window, "GroupBox1")->title(), QStringLiteral("Åbnings tider"));
        const QStringList days { "Label1", "Label3", "Label5", "Label7", "fff", "Label9", "Label12" };
        const QStringList captions { "Mandag", "Tirsdag", "Onsdag", "Torsdag", "Fredag", "Lørdag", "Søndag" };
        const QStringList separators { "Label2", "Label4", "Label6", "Label8", "Label10", "Label11",
            "Label13" };
        for (int day = 0; day < 7; ++day) {
            auto *dayLabel = control<QLabel>(f.window, days[day]);
            QCOMPARE(dayLabel->text(), captions[day]);
            QCOMPARE(control<QLabel>(f.window, separators[day])->text(), QStringLiteral("---"));
            QComboBox *from = f.field(FieldNames[2 * day]);
            QComboBox *to = f.field(FieldNames[2 * day + 1]);
            // One line per day: label, from, "---", to; Friday to Sunday in the right half.
            QVERIFY(dayLabel->x() < from->x() && from->x() < to->x());
            QCOMPARE(from->y(), to->y());
            QCOMPARE(from->x() > f.window.width() / 2, day >= 4);
            for (QComboBox *list : { from, to }) {
                QVERIFY(list->isEditable());
                QCOMPARE(list->width(), 81);
            }
        }
        auto *use = control<QCheckBox>(f.window, "cbUseOpenTimes");
        QCOMPARE(use->text(), QStringLiteral("Benyt åbnings tider"));
        QCOMPARE(use->layoutDirection(), Qt::RightToLeft);
        QVERIFY(use->y() > f.field("CbSonFra")->y() && use->x() > f.window.width() / 2);
        QCOMPARE(control<QPushButton>(f.window, "BitBtn1")->text(), QStringLiteral("&Luk"));
    }

    void everyShowingOffersTheSame48Times()
    {
        Fixture f;
        for (int showing = 0; showing < 2; ++showing) {
            f.window.show();
            for (const QString &name : FieldNames) {
                QComboBox *list = f.field(name);
                QStringList items;
                for (int i = 0; i < list->count(); ++i)
                    items.append(list->itemText(i));
                QCOMPARE(items, buildTimeList());
            }
            QCOMPARE(f.window.fieldTexts(), f.stored());
            f.close(false);
            QVERIFY(f.window.isHidden());
        }
    }

    void showsTheSwitchFromTheFile_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<bool>("ticked");
        QTest::newRow("no file") << QByteArray() << false;
        QTest::newRow("0") << QByteArray("[ActiveTime]\nUseActiveTime=0\n") << false;
        QTest::newRow("2") << QByteArray("[activetime]\nuseactivetime=2\n") << true;
        QTest::newRow("yes, no number") << QByteArray("[ActiveTime]\nUseActiveTime=yes\n") << false;
    }
    void showsTheSwitchFromTheFile()
    {
        QFETCH(QByteArray, ini);
        QFETCH(bool, ticked);
        Fixture f;
        if (!ini.isEmpty())
            writeFile(settingsFilePath(f.dir.path()), ini);
        f.window.show();
        QCOMPARE(control<QCheckBox>(f.window, "cbUseOpenTimes")->isChecked(), ticked);
    }

    void timesAreStoredAsTyped_data()
    {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("&Luk") << false;
        QTest::newRow("close box") << true;
    }
    void timesAreStoredAsTyped()
    {
        QFETCH(bool, closeBox);
        Fixture f;
        f.window.show();
        f.field("CbManFra")->setCurrentIndex(17); // picked from the list
        QLineEdit *typed = f.field("CbManTil")->lineEdit();
        typed->selectAll();
        QTest::keyClicks(typed, "08:15");
        f.field("CbLorTil")->setEditText(QStringLiteral(" 9"));
        control<QCheckBox>(f.window, "cbUseOpenTimes")->setChecked(true);

        f.close(closeBox);
        QVERIFY(f.window.isHidden());
        const QStringList stored = f.stored();
        QCOMPARE(stored.at(0), QStringLiteral("08:30"));
        QCOMPARE(stored.at(1), QStringLiteral("08:15"));
        QCOMPARE(stored.at(11), QStringLiteral(" 9"));
        QCOMPARE(stored.at(2), QStringLiteral("08:00"));
        QCOMPARE(f.useActiveTime(), QStringLiteral("1"));
        QCOMPARE(f.target.calls, (QStringList { "setUseOpeningHours(true)", "LoadOpeningHours" }));
        for (const QString &name : FieldNames)
            QCOMPARE(f.field(name)->count(), 48);
    }

    void closingWithoutChangeWritesNoRow()
    {
        Fixture f;
        writeFile(settingsFilePath(f.dir.path()), "[ActiveTime]\nUseActiveTime=1\n");
        f.window.show();
        // Another workstation stores its hours while this window is open.
        QSqlQuery q(f.connection.database());
        QVERIFY(q.exec(QStringLiteral("UPDATE Settings SET MandagFra = '07:00'")));
        control<QCheckBox>(f.window, "cbUseOpenTimes")->setChecked(false);

        f.close(false);
        QCOMPARE(f.stored().at(0), QStringLiteral("07:00"));
        QCOMPARE(f.useActiveTime(), QStringLiteral("0"));
        QCOMPARE(f.target.calls, (QStringList { "setUseOpeningHours(false)", "LoadOpeningHours" }));
    }

    void anEmptyTableGetsARow()
    {
        Fixture f;
        QSqlQuery q(f.connection.database());
        QVERIFY(q.exec(QStringLiteral("DELETE FROM Settings")));
        f.window.show();
        QCOMPARE(f.window.fieldTexts(), QStringList(14, QString()));
        f.field("CbFreTil")->setCurrentIndex(30);
        f.close(false);
        QVERIFY(f.window.isHidden());
        QCOMPARE(settingsRows(f.connection.database()), 1);
        QStringList expected(14, QString());
        expected[9] = QStringLiteral("15:00");
        QCOMPARE(f.stored(), expected);
    }

    void anUnwritableFileKeepsTheWindowOpen()
    {
        // A folder inside a regular file cannot hold a file, whoever runs the test.
        QTemporaryDir dir;
        writeFile(dir.filePath("plain"), "not a folder");
        const QString programFolder = dir.filePath("plain/program");
        Fixture f(programFolder);
        f.window.show();
        f.field("CbSonFra")->setEditText(QStringLiteral("10:00"));
        const QString unable = QStringLiteral("Unable to write to ")
            + QDir::toNativeSeparators(settingsFilePath(programFolder));

        f.close(true);
        QVERIFY(f.window.isVisible());
        QCOMPARE(f.messages.texts(), QStringList { unable });
        QCOMPARE(f.messages.shown.last().kind, Messages::Kind::Error);
        QCOMPARE(f.target.calls, QStringList());
        QCOMPARE(f.stored().at(12), QStringLiteral("10:00")); // the row was stored before the file failed

        f.close(false);
        QVERIFY(f.window.isVisible());
        QCOMPARE(f.messages.texts(), (QStringList { unable, unable }));
        QCOMPARE(f.target.calls, QStringList());
        QVERIFY(!QFile::exists(settingsFilePath(programFolder)));
    }

    void aFailedLoadKeepsTheWindowOpen()
    {
        Fixture f;
        f.target.failOn = QStringLiteral("LoadOpeningHours");
        f.window.show();
        f.close(false);
        QVERIFY(f.window.isVisible());
        QCOMPARE(f.messages.texts(), QStringList { "cannot LoadOpeningHours" });
        f.target.failOn.clear();
        f.close(false);
        QVERIFY(f.window.isHidden());
        QCOMPARE(f.target.calls,
            (QStringList { "setUseOpeningHours(false)", "setUseOpeningHours(false)", "LoadOpeningHours" }));
    }
};

QTEST_MAIN(TestOpeningHoursWindow)
#include "tst_openinghourswindow.moc"
