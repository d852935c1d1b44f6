#include "app/texts/language.h"
#include "data/connection.h"
#include "data/defaulttexts.h"
#include "data/texttable.h"
#include "platform/errors.h"
#include "testsupport/testdatabase.h"
#include "testsupport/testfiles.h"

#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(std::optional<int>)

namespace {

// The text numbers the windows use.
QList<int> usedTextNumbers()
{
    QList<int> numbers;
    for (int n = 1; n <= 50; ++n)
        numbers << n;
    numbers << 54 << 55 << 56 << 60 << 61;
    return numbers;
}

void insertText(QSqlDatabase db, int language, int number, const QVariant &text)
{
    QSqlQuery q(db);
    QVERIFY(q.prepare(QStringLiteral("INSERT INTO T_Sprog (Sprog, Nr, Tekst) VALUES (?, ?, ?)")));
    q.addBindValue(language);
    q.addBindValue(number);
    q.addBindValue(text);
    QVERIFY(q.exec());
}

} // namespace

class TestTexts : public QObject
{
    Q_OBJECT

private slots:
    void languageNumbers_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<std::optional<int>>("number");
        QTest::newRow("Danish") << "DK" << std::optional<int>(1);
        QTest::newRow("Swedish") << "S" << std::optional<int>(3);
        QTest::newRow("Norwegian") << "N" << std::optional<int>(4);
        QTest::newRow("lower-case dk") << "dk" << std::optional<int>();
        QTest::newRow("lower-case s") << "s" << std::optional<int>();
        QTest::newRow("trailing blank") << "DK " << std::optional<int>();
        QTest::newRow("empty") << "" << std::optional<int>();
        QTest::newRow("unknown") << "EN" << std::optional<int>();
    }
    void languageNumbers()
    {
        QFETCH(QString, code);
        QFETCH(std::optional<int>, number);
        QCOMPARE(languageNumber(code), number);
    }

    void selectLanguage_data()
    {
        QTest::addColumn<QByteArray>("config"); // null: no Config.ini
        QTest::addColumn<QByteArray>("sls"); // null: no Sls.ini
        QTest::addColumn<QString>("code");
        QTest::addColumn<std::optional<int>>("number");
        const QByteArray config("[Version]\nVersion=2.1\nProductName=Mirvo\n");
        QTest::newRow("no Config.ini, whatever Sls.ini says")
            << QByteArray() << QByteArray("[Mirvo-2.1]\nLang=S\n") << "DK" << std::optional<int>(1);
        QTest::newRow("Swedish") << config << QByteArray("[Mirvo-2.1]\nLang=S\n") << "S"
                                 << std::optional<int>(3);
        QTest::newRow("Norwegian, section in other case")
            << config << QByteArray("[mirvo-2.1]\nlang=N\n") << "N" << std::optional<int>(4);
        QTest::newRow("lower-case dk selects none")
            << config << QByteArray("[Mirvo-2.1]\nLang=dk\n") << "dk" << std::optional<int>();
        QTest::newRow("no Sls.ini") << config << QByteArray() << "DK" << std::optional<int>(1);
        QTest::newRow("other product's section")
            << config << QByteArray("[Other-2.1]\nLang=S\n") << "DK" << std::optional<int>(1);
        QTest::newRow("Config.ini without keys reads section \"-\"")
            << QByteArray("[Version]\n") << QByteArray("[-]\nLang=N\n") << "N" << std::optional<int>(4);
        QTest::newRow("empty Lang") << config << QByteArray("[Mirvo-2.1]\nLang=\n") << ""
                                    << std::optional<int>();
        QTest::newRow("binary junk files")
            << QByteArray("\x00\xFF[Version\x00", 10) << QByteArray("\xFE\xFF\x00\x01", 4) << "DK"
            << std::optional<int>(1);
    }
    void selectLanguage()
    {
        QFETCH(QByteArray, config);
        QFETCH(QByteArray, sls);
        QFETCH(QString, code);
        QFETCH(std::optional<int>, number);
        QTemporaryDir program;
        QTemporaryDir common;
        if (!config.isNull())
            writeFile(program.filePath(QStringLiteral("Config.ini")), config);
        if (!sls.isNull())
            writeFile(common.filePath(QStringLiteral("Sls.ini")), sls);
        const LanguageChoice choice = SelectLanguage(program.path(), common.path());
        QCOMPARE(choice.code, code);
        QCOMPARE(choice.number, number);
    }

    void everyUsedTextExistsInEachLanguage()
    {
        TestDatabase testDb;
        Connection connection;
        connection.openSqliteFile(testDb.path());
        for (const int language : { 1, 3, 4 }) {
            TextTable table;
            table.open(connection.database(), language);
            for (const int number : usedTextNumbers())
                QVERIFY2(!table.LookupText(number).isEmpty(),
                    qPrintable(QStringLiteral("language %1, text %2").arg(language).arg(number)));
            QCOMPARE(table.LookupText(51), QString());
            QCOMPARE(table.LookupText(0), QString());
        }
        for (const DefaultText &t : defaultTexts()) {
            TextTable table;
            table.open(connection.database(), t.language);
            QCOMPARE(table.LookupText(t.number), t.text);
        }
    }

    void languageTextsDiffer()
    {
        TestDatabase testDb;
        Connection connection;
        connection.openSqliteFile(testDb.path());
        TextTable danish;
        danish.open(connection.database(), 1);
        TextTable swedish;
        swedish.open(connection.database(), 3);
        QCOMPARE(danish.LookupText(13), QStringLiteral("&Opret / ret aftale"));
        QVERIFY(swedish.LookupText(13) != danish.LookupText(13));
    }

    void noLanguageSelectsNoRow_data()
    {
        QTest::addColumn<std::optional<int>>("language");
        QTest::newRow("null number") << std::optional<int>();
        QTest::newRow("number without rows") << std::optional<int>(2);
    }
    void noLanguageSelectsNoRow()
    {
        QFETCH(std::optional<int>, language);
        TestDatabase testDb;
        Connection connection;
        connection.openSqliteFile(testDb.path());
        TextTable table;
        table.open(connection.database(), language);
        QCOMPARE(table.rowCount(), 0);
        for (const int number : usedTextNumbers())
            QCOMPARE(table.LookupText(number), QString());
    }

    void firstRowOfADuplicatedNumberWins()
    {
        TestDatabase testDb;
        Connection connection;
        connection.openSqliteFile(testDb.path());
        insertText(connection.database(), 1, 13, QStringLiteral("second row"));
        insertText(connection.database(), 1, 70, QVariant(QMetaType(QMetaType::QString)));
        TextTable table;
        table.open(connection.database(), 1);
        QCOMPARE(table.LookupText(13), QStringLiteral("&Opret / ret aftale"));
        QCOMPARE(table.LookupText(70), QString());
    }

    void failedQueryRaisesError()
    {
        QTemporaryDir dir;
        Connection connection;
        connection.createSqliteFile(dir.filePath(QStringLiteral("empty.db")));
        TextTable table;
        QVERIFY_THROWS_EXCEPTION(MirvoError, table.open(connection.database(), 1));
    }
};

QTEST_GUILESS_MAIN(TestTexts)
#include "tst_texts.moc"
