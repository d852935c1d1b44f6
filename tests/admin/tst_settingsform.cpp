#include "admin/settingsformstate.h"
#include "admin/storesettingsform.h"
#include "app/settings/inifile.h"
#include "app/settings/settingsfile.h"
#include "recordingtarget.h"
#include "testsupport/messagerecorder.h"
#include "testsupport/testfiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Folder = QStringLiteral("<folder>");

QByteArray fileContent(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The values the closing writes, in its order: DisplayUnit, Start, Stop, CellHight, AutoBrede,
// CellBrede, Zoom, MultiUser, Path; "-" for a key the file lacks.
QStringList writtenValues(const IniFile &file)
{
    using namespace SettingsKeys;
    const std::pair<QLatin1StringView, QLatin1StringView> keys[]
        = { { sectionOptions, displayUnit }, { sectionActiveTime, start }, { sectionActiveTime, stop },
              { sectionDiverse, cellHight }, { sectionDiverse, autoBrede }, { sectionDiverse, cellBrede },
              { sectionDiverse, zoom }, { sectionDiverse, multiUser }, { sectionDb, path } };
    QStringList values;
    for (const auto &[section, key] : keys)
        values.append(file.readString(section, key, QStringLiteral("-")));
    return values;
}

const QStringList defaultCalls { "setTimeUnit(30)", "setDisplayScale(24)", "setStartSlot(16)",
    "setStopSlot(47)", "setZoomButtonsVisible(false)", "setColumnWidths(0,0)",
    "setRefreshButtonVisible(false)", "ApplyTimeLayout", "rereadGrid" };

QStringList replaced(QStringList list, int index, const QString &value)
{
    list[index] = value;
    return list;
}

} // namespace

class TestSettingsForm : public QObject
{
    Q_OBJECT

private slots:
    void timeUnitChoice_data()
    {
        QTest::addColumn<int>("displayUnit");
        QTest::addColumn<int>("choice");
        QTest::addColumn<int>("written");
        QTest::newRow("5") << 5 << 0 << 5;
        QTest::newRow("10") << 10 << 1 << 10;
        QTest::newRow("15") << 15 << 2 << 15;
        QTest::newRow("30") << 30 << 3 << 30;
        QTest::newRow("20, not a unit") << 20 << 3 << 30;
        QTest::newRow("0") << 0 << 3 << 30;
        QTest::newRow("-5") << -5 << 3 << 30;
    }
    void timeUnitChoice()
    {
        QFETCH(int, displayUnit);
        QFETCH(int, choice);
        QFETCH(int, written);
        QCOMPARE(::timeUnitChoice(displayUnit), choice);
        QCOMPARE(choiceTimeUnit(choice), std::optional<int>(written));
    }

    void noChoiceGivesNoTimeUnit()
    {
        QCOMPARE(choiceTimeUnit(-1), std::nullopt);
        QCOMPARE(choiceTimeUnit(4), std::nullopt);
    }

    void shownValues_data()
    {
        QTest::addColumn<int>("fileValue");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("zoom");
        // One file value for every field, shown as each field's range allows.
        QTest::newRow("-1") << -1 << -1 << 11 << 50 << 60;
        QTest::newRow("0, the file's default width") << 0 << 0 << 11 << 50 << 60;
        QTest::newRow("10, below the height") << 10 << 10 << 11 << 50 << 60;
        QTest::newRow("11, lowest height") << 11 << 11 << 11 << 50 << 60;
        QTest::newRow("47, last list position") << 47 << 47 << 47 << 50 << 60;
        QTest::newRow("48, past the list") << 48 << -1 << 48 << 50 << 60;
        QTest::newRow("50, lowest width") << 50 << -1 << 50 << 50 << 60;
        QTest::newRow("60, lowest zoom") << 60 << -1 << 60 << 60 << 60;
        QTest::newRow("99, highest height") << 99 << -1 << 99 << 99 << 99;
        QTest::newRow("100, past the height") << 100 << -1 << 99 << 100 << 100;
        QTest::newRow("500, highest width") << 500 << -1 << 99 << 500 << 500;
        QTest::newRow("501, past the width") << 501 << -1 << 99 << 500 << 501;
        QTest::newRow("1000, highest zoom") << 1000 << -1 << 99 << 500 << 1000;
        QTest::newRow("1001, past the zoom") << 1001 << -1 << 99 << 500 << 1000;
    }
    void shownValues()
    {
        QFETCH(int, fileValue);
        QFETCH(int, start);
        QFETCH(int, height);
        QFETCH(int, width);
        QFETCH(int, zoom);
        SettingsFormValues values;
        values.startSlot = fileValue;
        values.stopSlot = fileValue;
        values.cellHeight = fileValue;
        values.cellWidth = fileValue;
        values.zoomWidth = fileValue;
        const SettingsFormState state = shownSettings(values);
        QCOMPARE(state.startPosition, start);
        QCOMPARE(state.stopPosition, start);
        QCOMPARE(state.cellHeight, height);
        QCOMPARE(state.cellWidth, width);
        QCOMPARE(state.zoomWidth, zoom);
    }

    // Shown from the file and closed without a change: what is written and applied.
    void closingWritesAndApplies_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QStringList>("written");
        QTest::addColumn<QStringList>("calls");
        const QStringList defaults { "30", "16", "47", "24", "1", "50", "60", "0", Folder };

        QTest::newRow("no file: the defaults") << QByteArray() << defaults << defaultCalls;
        QTest::newRow("DisplayUnit 20 writes 30")
            << QByteArray("[Options]\nDisplayUnit=20\n") << defaults << defaultCalls;
        QTest::newRow("DisplayUnit 15")
            << QByteArray("[Options]\nDisplayUnit=15\n") << replaced(defaults, 0, "15")
            << replaced(defaultCalls, 0, "setTimeUnit(15)");
        QStringList withoutStart = defaultCalls;
        withoutStart.removeAll("setStartSlot(16)");
        QTest::newRow("Start 50: no selection, -1, grid's start kept")
            << QByteArray("[ActiveTime]\nStart=50\n") << replaced(defaults, 1, "-1") << withoutStart;
        QStringList withoutStop = defaultCalls;
        withoutStop.removeAll("setStopSlot(47)");
        QTest::newRow("Stop -1 stays -1")
            << QByteArray("[ActiveTime]\nStop=-1\n") << replaced(defaults, 2, "-1") << withoutStop;
        QTest::newRow("Start 0, the list's first")
            << QByteArray("[ActiveTime]\nStart=0\n") << replaced(defaults, 1, "0")
            << replaced(defaultCalls, 2, "setStartSlot(0)");
        QTest::newRow("CellHight 100 writes 99")
            << QByteArray("[Diverse]\nCellHight=100\n") << replaced(defaults, 3, "99")
            << replaced(defaultCalls, 1, "setDisplayScale(99)");
        QTest::newRow("CellHight 10 writes 11")
            << QByteArray("[Diverse]\nCellHight=10\n") << replaced(defaults, 3, "11")
            << replaced(defaultCalls, 1, "setDisplayScale(11)");

        QStringList fixed = replaced(defaultCalls, 4, "setZoomButtonsVisible(true)");
        QTest::newRow("fixed widths 0 show and apply 50 and 60")
            << QByteArray("[Diverse]\nAutoBrede=0\n") << replaced(defaults, 4, "0")
            << replaced(fixed, 5, "setColumnWidths(50,60)");
        QTest::newRow("fixed widths from the file")
            << QByteArray("[Diverse]\nAutoBrede=0\nCellBrede=120\nZoom=0x12C\n")
            << replaced(replaced(replaced(defaults, 4, "0"), 5, "120"), 6, "300")
            << replaced(fixed, 5, "setColumnWidths(120,300)");
        QTest::newRow("widths over their ranges")
            << QByteArray("[Diverse]\nAutoBrede=0\nCellBrede=501\nZoom=1001\n")
            << replaced(replaced(replaced(defaults, 4, "0"), 5, "500"), 6, "1000")
            << replaced(fixed, 5, "setColumnWidths(500,1000)");
        QTest::newRow("auto width keeps the fixed widths in the file")
            << QByteArray("[Diverse]\nAutoBrede=2\nCellBrede=120\nZoom=300\n")
            << replaced(replaced(defaults, 5, "120"), 6, "300") << defaultCalls;
        QTest::newRow("shared use") << QByteArray("[Diverse]\nMultiUser=1\n") << replaced(defaults, 7, "1")
                                    << replaced(defaultCalls, 6, "setRefreshButtonVisible(true)");
        QTest::newRow("database folder") << QByteArray("[db]\npath=/srv/planner/\n")
                                         << replaced(defaults, 8, "/srv/planner/") << defaultCalls;
    }
    void closingWritesAndApplies()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QStringList, written);
        QFETCH(QStringList, calls);
        QTemporaryDir dir;
        const QString path = settingsFilePath(dir.path());
        if (!ini.isEmpty())
            writeFile(path, ini);
        IniFile file(path);
        MessageRecorder messages;
        RecordingTarget target;

        const SettingsFormState state = shownSettings(readSettingsFormValues(file, dir.path()));
        storeSettingsForm(state, state.databaseFolder.trimmed(), file, target);

        written.replaceInStrings(Folder, dir.path() + QLatin1Char('/'));
        QCOMPARE(writtenValues(file), written);
        QCOMPARE(target.calls, calls);
        QCOMPARE(messages.texts(), QStringList());
    }

    void noTimeUnitChosenWritesNone()
    {
        QTemporaryDir dir;
        IniFile file(settingsFilePath(dir.path()));
        RecordingTarget target;
        SettingsFormState state;
        state.timeUnitChoice = -1;
        storeSettingsForm(state, QString(), file, target);
        QCOMPARE(writtenValues(file).first(), QStringLiteral("-"));
        QCOMPARE(target.calls.first(), QStringLiteral("setDisplayScale(24)"));
    }

    void restartMessage_data()
    {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("closing");
        QTest::addColumn<bool>("message");
        QTest::newRow("unchanged") << "/srv/planner/"
                                   << "/srv/planner/" << false;
        QTest::newRow("only blanks around it") << "/srv/planner/"
                                               << "  /srv/planner/ " << false;
        QTest::newRow("blanks removed") << " /srv/planner/  "
                                        << "/srv/planner/" << false;
        QTest::newRow("another folder") << "/srv/planner/"
                                        << "/srv/other/" << true;
        QTest::newRow("blank inside") << "/srv/planner/"
                                      << "/srv/plan ner/" << true;
        QTest::newRow("emptied") << "/srv/planner/"
                                 << "   " << true;
        QTest::newRow("empty to empty") << ""
                                        << "" << false;
    }
    void restartMessage()
    {
        QFETCH(QString, shown);
        QFETCH(QString, closing);
        QFETCH(bool, message);
        QTemporaryDir dir;
        IniFile file(settingsFilePath(dir.path()));
        RecordingTarget target;
        MessageRecorder messages;
        SettingsFormState state;
        state.databaseFolder = closing;
        storeSettingsForm(state, shown.trimmed(), file, target);
        QCOMPARE(messages.texts(), message ? QStringList { "Genstart program !" } : QStringList());
        // Written as typed, blanks and all.
        QVERIFY(fileContent(file.path()).contains(QStringLiteral("Path=%1\n").arg(closing).toUtf8()));
    }

    void aFailingStepStopsTheClosing()
    {
        QTemporaryDir dir;
        IniFile file(settingsFilePath(dir.path()));
        RecordingTarget target;
        target.failOn = QStringLiteral("setDisplayScale");
        const SettingsFormState state;
        QVERIFY_THROWS_EXCEPTION(MirvoError, storeSettingsForm(state, QString(), file, target));
        QCOMPARE(target.calls, QStringList { "setTimeUnit(30)" });
        // Row height was written before the grid refused it; nothing after it was.
        QCOMPARE(writtenValues(file), (QStringList { "30", "16", "47", "24", "-", "-", "-", "-", "-" }));
    }
};

QTEST_GUILESS_MAIN(TestSettingsForm)
#include "tst_settingsform.moc"
