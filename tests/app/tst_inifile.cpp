#include "app/settings/inifile.h"
#include "app/settings/iniinteger.h"
#include "platform/errors.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void writeBytes(const QString &path, const QByteArray &content)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(content), content.size());
}

const QString missing = QStringLiteral("<default>");

} // namespace

class TestIniFile : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString iniPath() const { return m_dir.filePath(QStringLiteral("Mirvo.ini")); }

private slots:
    void init() { QFile::remove(iniPath()); }

    void integers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected"); // -999 stands for "no number"
        QTest::newRow("decimal") << "30" << 30;
        QTest::newRow("hex lower") << "0x1E" << 30;
        QTest::newRow("hex upper prefix") << "0X1e" << 30;
        QTest::newRow("negative") << "-1" << -1;
        QTest::newRow("plus sign") << "+5" << 5;
        QTest::newRow("blanks around") << "  12  " << 12;
        QTest::newRow("word") << "yes" << -999;
        QTest::newRow("empty") << "" << -999;
        QTest::newRow("sign only") << "-" << -999;
        QTest::newRow("hex prefix only") << "0x" << -999;
        QTest::newRow("leading number then junk") << "30min" << 30;
        QTest::newRow("leading hex then junk") << "0x1G" << 1;
        QTest::newRow("int max") << "2147483647" << 2147483647;
        QTest::newRow("above int max") << "2147483648" << -999;
        QTest::newRow("int min") << "-2147483648" << int(-2147483648LL);
        QTest::newRow("below int min") << "-2147483649" << -999;
        QTest::newRow("hex 32 bits wraps") << "0xFFFFFFFF" << -1;
        QTest::newRow("hex above 32 bits") << "0x100000000" << -999;
    }
    void integers()
    {
        QFETCH(QString, text);
        QFETCH(int, expected);
        QCOMPARE(parseIniInteger(text).value_or(-999), expected);
    }

    void readsStrings_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        const QByteArray db("[DB]\nPath=/data\n");
        QTest::newRow("exact") << db << "DB"
                               << "Path"
                               << "/data";
        QTest::newRow("names in other case") << QByteArray("[db]\npath=/data\n") << "DB"
                                             << "PATH"
                                             << "/data";
        QTest::newRow("blanks around names and value")
            << QByteArray("  [ DB ]  \n  Path  =  /my data  \n") << "DB"
            << "Path"
            << "/my data";
        QTest::newRow("equals inside value") << QByteArray("[DB]\nPath=a=b\n") << "DB"
                                             << "Path"
                                             << "a=b";
        QTest::newRow("empty value is a value") << QByteArray("[DB]\nPath=\n") << "DB"
                                                << "Path"
                                                << "";
        QTest::newRow("missing key") << db << "DB"
                                     << "Folder" << missing;
        QTest::newRow("missing section") << db << "Options"
                                         << "Path" << missing;
        QTest::newRow("key of another section") << QByteArray("[DB]\n[Options]\nPath=x\n") << "DB"
                                                << "Path" << missing;
        QTest::newRow("key before any section") << QByteArray("Path=x\n[DB]\n") << "DB"
                                                << "Path" << missing;
        QTest::newRow("line without equals") << QByteArray("[DB]\nPath\n") << "DB"
                                             << "Path" << missing;
        QTest::newRow("comment line") << QByteArray("[DB]\n;Path=x\n") << "DB"
                                      << "Path" << missing;
        QTest::newRow("carriage returns") << QByteArray("[DB]\r\nPath=/data\r\n") << "DB"
                                          << "Path"
                                          << "/data";
        QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF[DB]\nPath=x\n") << "DB"
                                         << "Path"
                                         << "x";
        QTest::newRow("utf-8 value") << QByteArray("[DB]\nPath=/home/s\xC3\xB8ren\n") << "DB"
                                     << "Path" << QStringLiteral("/home/s\u00F8ren");
        QTest::newRow("first key of duplicates") << QByteArray("[DB]\nPath=a\nPATH=b\n") << "DB"
                                                 << "Path"
                                                 << "a";
        QTest::newRow("first section of duplicates") << QByteArray("[DB]\nPath=a\n[db]\nPath=b\n") << "DB"
                                                     << "Path"
                                                     << "a";
        QTest::newRow("only the first duplicate section counts")
            << QByteArray("[DB]\nPath=a\n[db]\nOther=b\n") << "DB"
            << "Other" << missing;
        QTest::newRow("binary junk around")
            << QByteArray("\x00\xFF\xFE junk \x01\n[DB]\n\xC3\x28=\x80\nPath=x\n\x00\x00", 35) << "DB"
            << "Path"
            << "x";
        QTest::newRow("unclosed section bracket") << QByteArray("[DB\nPath=x\n") << "DB"
                                                  << "Path"
                                                  << "x";
    }
    void readsStrings()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        writeBytes(iniPath(), content);
        QCOMPARE(IniFile(iniPath()).readString(section, key, missing), expected);
    }

    void longTextIsCutAt2047Characters()
    {
        writeBytes(iniPath(), "[DB]\nPath=" + QByteArray(3000, 'a') + "\n");
        QCOMPARE(IniFile(iniPath()).readString("DB", "Path", missing), QString(2047, u'a'));
    }

    void readsIntegersAndBooleans_data()
    {
        QTest::addColumn<QByteArray>("value"); // empty: no key at all
        QTest::addColumn<int>("integerDefault");
        QTest::addColumn<int>("integer");
        QTest::addColumn<bool>("booleanDefault");
        QTest::addColumn<bool>("boolean");
        QTest::newRow("missing key") << QByteArray() << 7 << 7 << true << true;
        QTest::newRow("zero") << QByteArray("0") << 7 << 0 << true << false;
        QTest::newRow("one") << QByteArray("1") << 7 << 1 << false << true;
        QTest::newRow("two is true") << QByteArray("2") << 7 << 2 << false << true;
        QTest::newRow("yes is no number, default false") << QByteArray("yes") << 7 << 7 << false << false;
        QTest::newRow("yes is no number, default true") << QByteArray("yes") << 7 << 7 << true << true;
        QTest::newRow("minus one") << QByteArray("-1") << 16 << -1 << false << true;
        QTest::newRow("hex") << QByteArray("0x1E") << 7 << 30 << false << true;
        QTest::newRow("empty value") << QByteArray("=") << 7 << 7 << true << true;
    }
    void readsIntegersAndBooleans()
    {
        QFETCH(QByteArray, value);
        QFETCH(int, integerDefault);
        QFETCH(int, integer);
        QFETCH(bool, booleanDefault);
        QFETCH(bool, boolean);
        QByteArray content("[S]\n");
        if (value == "=")
            content += "K=\n";
        else if (!value.isEmpty())
            content += "K=" + value + "\n";
        writeBytes(iniPath(), content);
        const IniFile file(iniPath());
        QCOMPARE(file.readInteger("s", "k", integerDefault), integer);
        QCOMPARE(file.readBool("s", "k", booleanDefault), boolean);
    }

    void missingFileGivesDefaults()
    {
        const IniFile file(m_dir.filePath(QStringLiteral("none.ini")));
        QCOMPARE(file.readString("DB", "Path", missing), missing);
        QCOMPARE(file.readInteger("Options", "DisplayUnit", 30), 30);
        QCOMPARE(file.readBool("Diverse", "AutoBrede", true), true);
    }

    void writesKeepOtherLinesAndOrder()
    {
        writeBytes(iniPath(),
            "; kept comment\n"
            "[DB]\n"
            "Path=/data\n"
            "\n"
            "[options]\n"
            "displayunit = 15\n"
            "Other=x\n");
        IniFile file(iniPath());
        file.writeInteger("Options", "DisplayUnit", 30);
        file.writeString("Options", "NewKey", "n");
        file.writeBool("DB", "Extra", true);
        file.writeBool("Diverse", "AutoBrede", false);
        QCOMPARE(readBytes(iniPath()),
            QByteArray("; kept comment\n"
                       "[DB]\n"
                       "Path=/data\n"
                       "Extra=1\n"
                       "\n"
                       "[options]\n"
                       "displayunit=30\n"
                       "Other=x\n"
                       "NewKey=n\n"
                       "\n"
                       "[Diverse]\n"
                       "AutoBrede=0\n"));
    }

    void firstWriteCreatesTheFile()
    {
        IniFile file(iniPath());
        file.writeInteger("ActiveTime", "Start", -1);
        file.writeString("DB", "Path", "  /with blanks  ");
        QCOMPARE(readBytes(iniPath()), QByteArray("[ActiveTime]\nStart=-1\n\n[DB]\nPath=  /with blanks  \n"));
        QCOMPARE(file.readInteger("ActiveTime", "Start", 16), -1);
        QCOMPARE(file.readString("DB", "Path", missing), "/with blanks");
    }

    void writesReplaceOnlyTheFirstDuplicate()
    {
        writeBytes(iniPath(), "[DB]\nPath=a\nPath=b\n[DB]\nPath=c\n");
        IniFile(iniPath()).writeString("db", "PATH", "z");
        QCOMPARE(readBytes(iniPath()), QByteArray("[DB]\nPath=z\nPath=b\n[DB]\nPath=c\n"));
    }

    void writesKeepCarriageReturnsAndJunkBytes()
    {
        const QByteArray junk("\x00\xFF\x80 junk\r\n", 10);
        writeBytes(iniPath(), junk + "[Options]\r\nDisplayUnit=5\r\n");
        IniFile file(iniPath());
        file.writeInteger("Options", "DisplayUnit", 10);
        file.writeInteger("Diverse", "Zoom", 60);
        QCOMPARE(readBytes(iniPath()), junk + "[Options]\r\nDisplayUnit=10\r\n\r\n[Diverse]\r\nZoom=60\r\n");
    }

    void lineBreaksInAValueCannotAddKeys()
    {
        IniFile file(iniPath());
        file.writeString("DB", "Path", "/a\n[Diverse]\r\nMultiUser=1");
        QCOMPARE(file.readString("DB", "Path", missing), "/a [Diverse]  MultiUser=1");
        QCOMPARE(file.readBool("Diverse", "MultiUser", false), false);
    }

    void writeToImpossiblePathRaisesError()
    {
        // A folder that is a file cannot hold the settings file, whoever runs the test.
        const QString notAFolder = m_dir.filePath(QStringLiteral("plain-file"));
        writeBytes(notAFolder, "x");
        const QString path = notAFolder + QStringLiteral("/Mirvo.ini");
        IniFile file(path);
        try {
            file.writeInteger("Options", "DisplayUnit", 30);
            QFAIL("no error raised");
        } catch (const MirvoError &e) {
            QCOMPARE(e.message(), QStringLiteral("Unable to write to ") + QDir::toNativeSeparators(path));
        }
        QCOMPARE(readBytes(notAFolder), QByteArray("x"));
    }

    void failedWriteLeavesTheFileAsItWas()
    {
#ifdef Q_OS_UNIX
        // A file-size limit makes the write itself fail, like a full disk, even for root.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Mirvo.ini"));
        const QByteArray before("[Options]\nDisplayUnit=15\n");
        writeBytes(path, before);
        rlimit old {};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = old;
        small.rlim_cur = 16;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        bool raised = false;
        QString message;
        try {
            IniFile(path).writeString("DB", "Path", QString(100, u'x'));
        } catch (const MirvoError &e) {
            raised = true;
            message = e.message();
        }
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
        QVERIFY(raised);
        QCOMPARE(message, QStringLiteral("Unable to write to ") + QDir::toNativeSeparators(path));
        QCOMPARE(readBytes(path), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList { QStringLiteral("Mirvo.ini") });
#else
        QSKIP("needs a file-size limit");
#endif
    }

    void refusedWriteLeavesTheFileAsItWas()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Mirvo.ini"));
        const QByteArray before("[Options]\nDisplayUnit=15\n");
        writeBytes(path, before);
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
        {
            QFile probe(dir.filePath(QStringLiteral("probe")));
            if (probe.open(QIODevice::WriteOnly)) {
                probe.close();
                probe.remove();
                QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
                QSKIP("folder permissions do not stop this user (root)");
            }
        }
        IniFile file(path);
        QVERIFY_THROWS_EXCEPTION(MirvoError, file.writeInteger("Options", "DisplayUnit", 30));
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(readBytes(path), before);
    }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
