#include "app/databaselocation.h"
#include "app/tfrmmirvo.h"
#include "testsupport/messagerecorder.h"
#include "testsupport/testdatabase.h"
#include "testsupport/testenvironment.h"
#include "testsupport/testfiles.h"

#include <QCalendarWidget>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray folderFingerprint(const QString &folder)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (const QFileInfo &info : QDir(folder).entryInfoList(QDir::Files, QDir::Name)) {
        hash.addData(info.fileName().toUtf8());
        QFile f(info.filePath());
        if (f.open(QIODevice::ReadOnly))
            hash.addData(f.readAll());
    }
    return hash.result();
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void locatesTheDatabase_data()
    {
        QTest::addColumn<QString>("configured");
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("expected");
        const QStringList both { "/data/DbPlanner.Mdb", "/prog/DbPlanner.Mdb" };
        QTest::newRow("configured folder wins") << "/data" << both << "/data/DbPlanner.Mdb";
        QTest::newRow("configured with separator") << "/data/" << both << "/data/DbPlanner.Mdb";
        QTest::newRow("configured folder without file")
            << "/data" << QStringList { "/prog/DbPlanner.Mdb" } << "/prog/DbPlanner.Mdb";
        QTest::newRow("empty folder: working directory first")
            << "" << QStringList { "DbPlanner.Mdb", "/prog/DbPlanner.Mdb" } << "DbPlanner.Mdb";
        QTest::newRow("empty folder: then program folder")
            << "" << QStringList { "/prog/DbPlanner.Mdb" } << "/prog/DbPlanner.Mdb";
        QTest::newRow("nowhere") << "/data" << QStringList {} << "";
    }
    void locatesTheDatabase()
    {
        QFETCH(QString, configured);
        QFETCH(QStringList, existing);
        QFETCH(QString, expected);
        const auto exists = [&](const QString &path) { return existing.contains(path); };
        QCOMPARE(locateDatabase(configured, QStringLiteral("/prog"), exists), expected);
    }

    void failedStartsSayWhyAndWriteNothing_data()
    {
        QTest::addColumn<QByteArray>("fileContent");
        QTest::addColumn<QString>("message");
        QTest::newRow("no database file") << QByteArray() << "No Database found ";
        QTest::newRow("an old Access file")
            << QByteArray("\x00\x01\x00\x00Standard Jet DB\x00 junk", 24) << "Conection to database failed !";
        QTest::newRow("random bytes") << QByteArray(5000, '\xA7') << "Conection to database failed !";
        QTest::newRow("SQLite without the tables")
            << QByteArray("sqlite-empty") << "Conection to database failed !";
    }
    void failedStartsSayWhyAndWriteNothing()
    {
        QFETCH(QByteArray, fileContent);
        QFETCH(QString, message);
        QTemporaryDir program;
        const QString dbPath = QDir(program.path()).filePath(QStringLiteral("DbPlanner.Mdb"));
        if (fileContent == "sqlite-empty") {
            Connection c;
            c.createSqliteFile(dbPath);
            QSqlQuery(c.database()).exec(QStringLiteral("CREATE TABLE Other (x INTEGER)"));
        } else if (!fileContent.isEmpty()) {
            writeFile(dbPath, fileContent);
        }
        const QByteArray before = folderFingerprint(program.path());

        MessageRecorder recorder;
        TfrmMirvo window(testEnvironment(program.path()));
        QVERIFY(!window.FormCreate());

        QCOMPARE(recorder.texts(), QStringList { message });
        if (message.startsWith(QLatin1String("Conection")))
            QVERIFY(!recorder.shown.first().detail.isEmpty());
        QCOMPARE(folderFingerprint(program.path()), before);
        QVERIFY(!window.isVisible());
    }

    void configuredFolderIsPreferred()
    {
        TestDatabase configured;
        TestDatabase beside;
        writeFile(QDir(beside.folder()).filePath(QStringLiteral("Mirvo.ini")),
            QStringLiteral("[db]\npath=%1\n").arg(configured.folder()).toUtf8());
        MessageRecorder recorder;
        TfrmMirvo window(testEnvironment(beside.folder()));
        QVERIFY(window.FormCreate());
        QCOMPARE(window.databasePath(), configured.path());
        QVERIFY(recorder.shown.isEmpty());
    }

    void calendarsShowThisMonthAndTheNextTwo()
    {
        TestDatabase db;
        TfrmMirvo window(testEnvironment(db.folder(), QDate(2024, 1, 31)));
        QVERIFY(window.FormCreate());
        const auto calendar = [&](const char *name) {
            return window.findChild<QCalendarWidget *>(QLatin1String(name))->selectedDate();
        };
        QCOMPARE(calendar("Calender1"), QDate(2024, 1, 31));
        QCOMPARE(calendar("Calender2"), QDate(2024, 2, 29));
        QCOMPARE(calendar("Calender3"), QDate(2024, 3, 31));
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
