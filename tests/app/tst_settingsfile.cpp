#include "app/settings/folders.h"
#include "app/settings/settingsfile.h"
#include "app/settings/settingsformvalues.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString describe(const DisplayPreferences &p)
{
    return QStringLiteral(
        "hours %1 unit %2 rows %3-%4 height %5 auto %6 width %7 zoom %8 multi %9 slots %10-%11")
        .arg(p.useOpeningHours)
        .arg(p.timeUnit)
        .arg(p.provisionalStartRow)
        .arg(p.provisionalStopRow)
        .arg(p.cellHeight)
        .arg(p.autoWidth)
        .arg(p.cellWidth)
        .arg(p.zoomWidth)
        .arg(p.multiUser)
        .arg(p.startSlot)
        .arg(p.stopSlot);
}

QString describe(const SettingsFormValues &v)
{
    return QStringLiteral("unit %1 slots %2-%3 height %4 auto %5 width %6 zoom %7 multi %8 folder %9")
        .arg(v.timeUnit)
        .arg(v.startSlot)
        .arg(v.stopSlot)
        .arg(v.cellHeight)
        .arg(v.autoWidth)
        .arg(v.cellWidth)
        .arg(v.zoomWidth)
        .arg(v.multiUser)
        .arg(v.databaseFolder);
}

} // namespace

class TestSettingsFile : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    // The program folder's settings file with this content; a null content means no file.
    IniFile settingsWith(const QByteArray &content)
    {
        const QString path = settingsFilePath(m_dir.path());
        QFile::remove(path);
        if (!content.isNull()) {
            QFile f(path);
            if (f.open(QIODevice::WriteOnly))
                f.write(content);
        }
        return IniFile(path);
    }

private slots:
    void settingsFileIsInTheProgramFolder()
    {
        QCOMPARE(settingsFilePath(QStringLiteral("/opt/mirvo")), QStringLiteral("/opt/mirvo/Mirvo.ini"));
        QCOMPARE(settingsFilePath(QStringLiteral("/opt/mirvo/")), QStringLiteral("/opt/mirvo/Mirvo.ini"));
    }

    void databaseFolder_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no file") << QByteArray() << "";
        QTest::newRow("written by the program") << QByteArray("[DB]\nPath=/srv/mirvo\n") << "/srv/mirvo";
        QTest::newRow("lower-case section and key") << QByteArray("[db]\npath=/srv/mirvo\n") << "/srv/mirvo";
        QTest::newRow("upper-case key") << QByteArray("[DB]\nPATH=/srv/mirvo\n") << "/srv/mirvo";
    }
    void databaseFolder()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, expected);
        QCOMPARE(readDatabaseFolder(settingsWith(content)), expected);
    }

    void serverConnection_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no file") << QByteArray() << "";
        QTest::newRow("only a folder") << QByteArray("[DB]\nPath=/srv/mirvo\n") << "";
        QTest::newRow("key=value, '=' inside the value")
            << QByteArray("[DB]\nServer = host=db.example dbname=mirvo user=anne \n")
            << "host=db.example dbname=mirvo user=anne";
        QTest::newRow("URI, lower-case key")
            << QByteArray("[db]\nserver=postgresql://db.example/mirvo\n") << "postgresql://db.example/mirvo";
        QTest::newRow("empty value") << QByteArray("[DB]\nServer=\n") << "";
        QTest::newRow("in another section") << QByteArray("[Options]\nServer=host=x\n") << "";
    }
    void serverConnection()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, expected);
        QCOMPARE(readServerConnection(settingsWith(content)), expected);
    }

    void displayPreferences_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("expected");
        const DisplayPreferences defaults;
        QTest::newRow("no file") << QByteArray() << describe(defaults);
        QTest::newRow("empty file") << QByteArray("") << describe(defaults);
        QByteArray noise(64 * 1024, Qt::Uninitialized);
        QRandomGenerator rng(20240115);
        for (char &b : noise)
            b = char(rng.bounded(256));
        noise.replace('[', '<'); // keeps every line outside a section: defaults throughout
        QTest::newRow("random bytes") << noise << describe(defaults);
        QByteArray garbage;
        for (const char *section : { "DB", "ActiveTime", "Options", "Diverse" }) {
            garbage += QByteArray("[") + section + "]\n";
            for (const char *key : { "Path", "Server", "UseActiveTime", "Start", "Stop", "DisplayUnit",
                     "CellHight", "AutoBrede", "CellBrede", "Zoom", "MultiUser" })
                garbage += QByteArray(key) + "=\x01\xff\xfe§ garbage \"'\\\n";
        }
        QTest::newRow("garbage in every key") << garbage << describe(defaults);
        QByteArray outOfRange;
        outOfRange += "[Options]\nDisplayUnit=99999999999\n[Diverse]\nCellHight=-99999999999\n"
                      "[ActiveTime]\nStart=0x1FFFFFFFF\nStop=+-3\nUseActiveTime=9e99\n";
        DisplayPreferences leadingNine = defaults;
        leadingNine.useOpeningHours = true; // "9e99" reads as its leading 9
        QTest::newRow("numbers out of range") << outOfRange << describe(leadingNine);

        DisplayPreferences hex = defaults;
        hex.timeUnit = 30;
        QTest::newRow("hex unit") << QByteArray("[Options]\nDisplayUnit=0x1E\n") << describe(hex);

        DisplayPreferences openingHours = defaults;
        openingHours.useOpeningHours = true;
        QTest::newRow("UseActiveTime=2 is true")
            << QByteArray("[ActiveTime]\nUseActiveTime=2\n") << describe(openingHours);
        QTest::newRow("UseActiveTime=yes is the default")
            << QByteArray("[ActiveTime]\nUseActiveTime=yes\n") << describe(defaults);

        DisplayPreferences noStart = defaults;
        noStart.provisionalStartRow = -1;
        noStart.startSlot = -1;
        QTest::newRow("Start=-1 reads back") << QByteArray("[ActiveTime]\nStart=-1\n") << describe(noStart);

        DisplayPreferences odd = defaults;
        odd.timeUnit = 20;
        QTest::newRow("unknown unit, no Stop: provisional 32, slot 47")
            << QByteArray("[Options]\nDisplayUnit=20\n") << describe(odd);

        DisplayPreferences written = defaults;
        written.timeUnit = 15;
        written.provisionalStartRow = written.startSlot = 14;
        written.provisionalStopRow = written.stopSlot = 40;
        written.cellHeight = 30;
        written.autoWidth = false;
        written.cellWidth = 120;
        written.zoomWidth = 400;
        written.multiUser = true;
        QTest::newRow("everything written, fixed widths")
            << QByteArray("[Options]\nDisplayUnit=15\n[ActiveTime]\nStart=14\nStop=40\n"
                          "[Diverse]\nCellHight=30\nAutoBrede=0\nCellBrede=120\nZoom=400\nMultiUser=1\n")
            << describe(written);

        QTest::newRow("auto width leaves the widths unread")
            << QByteArray("[Diverse]\nAutoBrede=1\nCellBrede=120\nZoom=400\n") << describe(defaults);
    }
    void displayPreferences()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, expected);
        QCOMPARE(describe(readDisplayPreferences(settingsWith(content))), expected);
    }

    void defaultsOfDisplayPreferences()
    {
        const DisplayPreferences p = readDisplayPreferences(settingsWith(QByteArray()));
        QCOMPARE(p.useOpeningHours, false);
        QCOMPARE(p.timeUnit, 30);
        QCOMPARE(p.provisionalStartRow, 16);
        QCOMPARE(p.provisionalStopRow, 32);
        QCOMPARE(p.cellHeight, 24);
        QCOMPARE(p.autoWidth, true);
        QCOMPARE(p.cellWidth, 0);
        QCOMPARE(p.zoomWidth, 0);
        QCOMPARE(p.multiUser, false);
        QCOMPARE(p.startSlot, 16);
        QCOMPARE(p.stopSlot, 47);
    }

    void settingsWindowValues()
    {
        SettingsFormValues defaults;
        defaults.databaseFolder = TrailingBackslash(m_dir.path(), 1);
        QCOMPARE(
            describe(readSettingsFormValues(settingsWith(QByteArray()), m_dir.path())), describe(defaults));
        QCOMPARE(defaults.timeUnit, 30);
        QCOMPARE(defaults.startSlot, 16);
        QCOMPARE(defaults.stopSlot, 47);
        QCOMPARE(defaults.cellHeight, 24);
        QCOMPARE(defaults.autoWidth, true);

        SettingsFormValues written = defaults;
        written.timeUnit = 20;
        written.startSlot = 50;
        written.cellWidth = 80; // read even with auto width on
        written.databaseFolder = QStringLiteral("/srv/mirvo");
        QCOMPARE(
            describe(readSettingsFormValues(
                settingsWith("[Options]\nDisplayUnit=20\n[ActiveTime]\nStart=50\n[Diverse]\nCellBrede=80\n"
                             "[DB]\nPath=  /srv/mirvo  \n"),
                m_dir.path())),
            describe(written));
    }

    void trailingBackslash_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("expected");
        const QString s = QDir::separator();
        QTest::newRow("add to bare folder") << "/data" << 1 << "/data" + s;
        QTest::newRow("add keeps one") << "/data" + s << 1 << "/data" + s;
        QTest::newRow("add to empty") << "" << 1 << "";
        QTest::newRow("remove one") << "/data" + s << 0 << "/data";
        QTest::newRow("remove only the last") << "/data" + s + s << 0 << "/data" + s;
        QTest::newRow("remove from bare folder") << "/data" << 0 << "/data";
        QTest::newRow("remove from empty") << "" << 0 << "";
        QTest::newRow("other mode") << "/data" << 2 << "/data";
    }
    void trailingBackslash()
    {
        QFETCH(QString, path);
        QFETCH(int, mode);
        QFETCH(QString, expected);
        QCOMPARE(TrailingBackslash(path, mode), expected);
    }

    void systemFolders()
    {
        const QString s = QDir::separator();
        QVERIFY(WindowsFolder().endsWith(s));
        QCOMPARE(CommonDataFolder(QStringLiteral("/etc/xdg")), QStringLiteral("/etc/xdg") + s);
        QCOMPARE(CommonDataFolder(QStringLiteral("/etc/xdg") + s), QStringLiteral("/etc/xdg") + s);
        QCOMPARE(CommonDataFolder(QString()), QDir::toNativeSeparators(QDir::rootPath()));
        QCOMPARE(
            programFilePath(QString(), QStringLiteral("DbPlanner.Mdb")), QStringLiteral("DbPlanner.Mdb"));
        QCOMPARE(programFilePath(QStringLiteral("/opt"), QStringLiteral("DbPlanner.Mdb")),
            QStringLiteral("/opt") + s + QStringLiteral("DbPlanner.Mdb"));
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
