#include "admin/tfrmindstillinger.h"
#include "app/settings/inifile.h"
#include "app/settings/settingsfile.h"
#include "recordingtarget.h"
#include "testsupport/messagerecorder.h"
#include "testsupport/testfiles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

namespace {

template<typename T> T *control(QWidget &window, const QString &name)
{
    T *found = window.findChild<T *>(name);
    if (!found)
        qWarning("no control %s", qPrintable(name));
    return found;
}

// The window over a program folder of its own, standing in for the main window's part.
struct Fixture
{
    QTemporaryDir dir;
    RecordingTarget target;
    MessageRecorder messages;
    TfrmIndstillinger window { dir.path(), &target };

    QString iniPath() const { return settingsFilePath(dir.path()); }
    QString value(QLatin1StringView section, QLatin1StringView key) const
    {
        return IniFile(iniPath()).readString(section, key, QStringLiteral("-"));
    }
    void pressClose() { QTest::mouseClick(control<QPushButton>(window, "BitBtn1"), Qt::LeftButton); }
};

} // namespace

class TestSettingsWindow : public QObject
{
    Q_OBJECT

private slots:
    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        QTest::newRow("rTidsEnheder") << "rTidsEnheder"
                                      << "QGroupBox"
                                      << "Tidsenhed";
        QTest::newRow("rTidsEnheder5") << "rTidsEnheder5"
                                       << "QRadioButton"
                                       << "5 Min.";
        QTest::newRow("rTidsEnheder10") << "rTidsEnheder10"
                                        << "QRadioButton"
                                        << "10 Min.";
        QTest::newRow("rTidsEnheder15") << "rTidsEnheder15"
                                        << "QRadioButton"
                                        << "15 Min.";
        QTest::newRow("rTidsEnheder30") << "rTidsEnheder30"
                                        << "QRadioButton"
                                        << "30 Min.";
        QTest::newRow("GroupBox1") << "GroupBox1"
                                   << "QGroupBox"
                                   << "Kalender start / stop";
        QTest::newRow("Label1") << "Label1"
                                << "QLabel"
                                << "Start klokken";
        QTest::newRow("Label2") << "Label2"
                                << "QLabel"
                                << "Slut klokken";
        QTest::newRow("GroupBox2") << "GroupBox2"
                                   << "QGroupBox"
                                   << "Højde og brede på celler";
        QTest::newRow("Label3") << "Label3"
                                << "QLabel"
                                << "Højde på celler";
        QTest::newRow("CbAutoBrede") << "CbAutoBrede"
                                     << "QCheckBox"
                                     << "Auto brede";
        QTest::newRow("Label4") << "Label4"
                                << "QLabel"
                                << "Bredde";
        QTest::newRow("Label5") << "Label5"
                                << "QLabel"
                                << "Zoom bredde";
        QTest::newRow("cbFlerBruger") << "cbFlerBruger"
                                      << "QCheckBox"
                                      << "Flerebruger";
        QTest::newRow("Label6") << "Label6"
                                << "QLabel"
                                << "Sti til database";
        QTest::newRow("BitBtn1") << "BitBtn1"
                                 << "QPushButton"
                                 << "&Luk";
    }
    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QString, text);
        Fixture f;
        QWidget *w = control<QWidget>(f.window, name);
        QVERIFY(w);
        QCOMPARE(w->metaObject()->className(), kind);
        if (auto *box = qobject_cast<QGroupBox *>(w))
            QCOMPARE(box->title(), text);
        else if (auto *l = qobject_cast<QLabel *>(w))
            QCOMPARE(l->text(), text);
        else
            QCOMPARE(w->property("text").toString(), text);
    }

    void windowAndFields()
    {
        Fixture f;
        QCOMPARE(f.window.objectName(), QStringLiteral("frmIndstillinger"));
        QCOMPARE(f.window.windowTitle(), QStringLiteral("Indstillinger"));
        QCOMPARE(f.window.size(), QSize(442, 255));
        QCOMPARE(f.window.minimumSize(), f.window.maximumSize());
        QCOMPARE(control<QLineEdit>(f.window, "eDbPath")->width(), 306);
        QVERIFY(!control<QLineEdit>(f.window, "eDbPath")->isReadOnly());
        for (const char *list : { "CbCalenderStart", "CbCalenderStop" })
            QVERIFY(!control<QComboBox>(f.window, list)->isEditable());
        for (const char *box : { "CbAutoBrede", "cbFlerBruger" })
            QCOMPARE(control<QCheckBox>(f.window, box)->layoutDirection(), Qt::RightToLeft);

        const std::tuple<const char *, const char *, int, int> numbers[]
            = { { "UpDownCellHight", "eCelleHojde", 11, 99 }, { "UpDownCellBrede", "eCelleBrede", 50, 500 },
                  { "UpDownZoom", "eZommWidth", 60, 1000 } };
        for (const auto &[arrows, field, minimum, maximum] : numbers) {
            auto *spin = control<QSpinBox>(f.window, arrows);
            QCOMPARE(spin->minimum(), minimum);
            QCOMPARE(spin->maximum(), maximum);
            auto *edit = control<QLineEdit>(f.window, field);
            QCOMPARE(edit->parent(), spin);
            QVERIFY(edit->isReadOnly());
            QVERIFY(edit->alignment() & Qt::AlignRight);
        }
    }

    void showsTheDefaults()
    {
        Fixture f;
        f.window.show();
        QVERIFY(control<QRadioButton>(f.window, "rTidsEnheder30")->isChecked());
        QCOMPARE(control<QComboBox>(f.window, "CbCalenderStart")->count(), 48);
        QCOMPARE(control<QComboBox>(f.window, "CbCalenderStart")->currentText(), QStringLiteral("08:00"));
        QCOMPARE(control<QComboBox>(f.window, "CbCalenderStop")->currentText(), QStringLiteral("23:30"));
        QCOMPARE(control<QLineEdit>(f.window, "eCelleHojde")->text(), QStringLiteral("24"));
        QVERIFY(control<QCheckBox>(f.window, "CbAutoBrede")->isChecked());
        for (const char *name : { "eCelleBrede", "UpDownCellBrede", "eZommWidth", "UpDownZoom" })
            QVERIFY2(!control<QWidget>(f.window, name)->isEnabled(), name);
        QCOMPARE(control<QLineEdit>(f.window, "eCelleBrede")->text(), QStringLiteral("50"));
        QCOMPARE(control<QLineEdit>(f.window, "eZommWidth")->text(), QStringLiteral("60"));
        QVERIFY(!control<QCheckBox>(f.window, "cbFlerBruger")->isChecked());
        QCOMPARE(control<QLineEdit>(f.window, "eDbPath")->text(), f.dir.path() + QLatin1Char('/'));

        f.pressClose();
        QVERIFY(f.window.isHidden());
        using namespace SettingsKeys;
        QCOMPARE(f.value(sectionOptions, displayUnit), QStringLiteral("30"));
        QCOMPARE(f.value(sectionDiverse, zoom), QStringLiteral("60"));
        QCOMPARE(f.value(sectionDb, path), f.dir.path() + QLatin1Char('/'));
        QCOMPARE(f.target.calls.last(), QStringLiteral("rereadGrid"));
        QCOMPARE(f.messages.texts(), QStringList());
    }

    void eachShowingReadsTheFileAnew()
    {
        Fixture f;
        writeFile(f.iniPath(), "[Options]\nDisplayUnit=10\n[ActiveTime]\nStart=50\n");
        f.window.show();
        QVERIFY(control<QRadioButton>(f.window, "rTidsEnheder10")->isChecked());
        QCOMPARE(control<QComboBox>(f.window, "CbCalenderStart")->currentIndex(), -1);
        f.window.close();
        writeFile(f.iniPath(), "[Options]\nDisplayUnit=5\n[ActiveTime]\nStart=2\n");
        f.window.show();
        QVERIFY(control<QRadioButton>(f.window, "rTidsEnheder5")->isChecked());
        QCOMPARE(control<QComboBox>(f.window, "CbCalenderStart")->currentText(), QStringLiteral("01:00"));
        QCOMPARE(control<QComboBox>(f.window, "CbCalenderStart")->count(), 48);
    }

    void autoWidthSwitchesTheWidthFields()
    {
        Fixture f;
        writeFile(f.iniPath(), "[Diverse]\nAutoBrede=0\nCellBrede=120\nZoom=300\n");
        f.window.show();
        auto *autoWidth = control<QCheckBox>(f.window, "CbAutoBrede");
        auto *width = control<QSpinBox>(f.window, "UpDownCellBrede");
        auto *zoomWidth = control<QSpinBox>(f.window, "UpDownZoom");
        QVERIFY(width->isEnabled() && zoomWidth->isEnabled());

        QTest::mouseClick(
            autoWidth, Qt::LeftButton, {}, QPoint(autoWidth->width() - 8, autoWidth->height() / 2));
        QVERIFY(autoWidth->isChecked());
        QVERIFY(!width->isEnabled() && !zoomWidth->isEnabled());
        QCOMPARE(width->value(), 120); // the values stay
        autoWidth->click();
        QVERIFY(width->isEnabled() && zoomWidth->isEnabled());

        f.pressClose();
        QVERIFY(f.target.calls.contains("setColumnWidths(120,300)"));
        QVERIFY(f.target.calls.contains("setZoomButtonsVisible(true)"));

        f.window.show();
        autoWidth->click();
        f.window.close();
        QCOMPARE(f.target.calls.filter("setColumnWidths").last(), QStringLiteral("setColumnWidths(0,0)"));
        QCOMPARE(f.target.calls.filter("setZoomButtonsVisible").last(),
            QStringLiteral("setZoomButtonsVisible(false)"));
        QCOMPARE(f.value(SettingsKeys::sectionDiverse, SettingsKeys::cellBrede), QStringLiteral("120"));
    }

    void numbersChangeOnlyByTheArrowsOneAtATime()
    {
        Fixture f;
        writeFile(f.iniPath(), "[Diverse]\nCellHight=98\n");
        f.window.show();
        auto *height = control<QSpinBox>(f.window, "UpDownCellHight");
        auto *field = control<QLineEdit>(f.window, "eCelleHojde");
        height->setFocus();
        QTest::keyClick(height, Qt::Key_Up);
        QCOMPARE(field->text(), QStringLiteral("99"));
        QTest::keyClick(height, Qt::Key_Up); // at the top of the range
        QCOMPARE(height->value(), 99);
        QTest::keyClick(height, Qt::Key_PageDown);
        QCOMPARE(height->value(), 98);
        QTest::keyClick(height, Qt::Key_Down);
        QCOMPARE(height->value(), 97);
        QTest::keyClicks(height, "5");
        QTest::keyClicks(field, "5");
        QTest::keyClick(field, Qt::Key_Backspace);
        QCOMPARE(field->text(), QStringLiteral("97"));

        f.window.close();
        QCOMPARE(f.value(SettingsKeys::sectionDiverse, SettingsKeys::cellHight), QStringLiteral("97"));
        QVERIFY(f.target.calls.contains("setDisplayScale(97)"));
    }

    void closingByButtonOrCloseBoxAppliesTheChoices_data()
    {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("&Luk") << false;
        QTest::newRow("close box") << true;
    }
    void closingByButtonOrCloseBoxAppliesTheChoices()
    {
        QFETCH(bool, closeBox);
        Fixture f;
        f.window.show();
        control<QRadioButton>(f.window, "rTidsEnheder15")->click();
        control<QComboBox>(f.window, "CbCalenderStart")->setCurrentIndex(14);
        control<QComboBox>(f.window, "CbCalenderStop")->setCurrentIndex(36);
        control<QCheckBox>(f.window, "cbFlerBruger")->click();
        if (closeBox)
            f.window.close();
        else
            f.pressClose();
        QVERIFY(f.window.isHidden());
        QCOMPARE(f.target.calls,
            (QStringList { "setTimeUnit(15)", "setDisplayScale(24)", "setStartSlot(14)", "setStopSlot(36)",
                "setZoomButtonsVisible(false)", "setColumnWidths(0,0)", "setRefreshButtonVisible(true)",
                "ApplyTimeLayout", "rereadGrid" }));
        using namespace SettingsKeys;
        QCOMPARE(f.value(sectionOptions, displayUnit), QStringLiteral("15"));
        QCOMPARE(f.value(sectionActiveTime, start), QStringLiteral("14"));
        QCOMPARE(f.value(sectionActiveTime, stop), QStringLiteral("36"));
        QCOMPARE(f.value(sectionDiverse, multiUser), QStringLiteral("1"));
    }

    void restartMessageComparesWithTheFolderShown()
    {
        Fixture f;
        writeFile(f.iniPath(), "[DB]\nPath=/srv/planner/\n");
        f.window.show();
        auto *folder = control<QLineEdit>(f.window, "eDbPath");
        folder->selectAll();
        QTest::keyClicks(folder, "/srv/other/");
        folder->selectAll();
        QTest::keyClicks(folder, "/srv/planner/");
        f.window.close();
        QCOMPARE(f.messages.texts(), QStringList()); // changed and changed back

        f.window.show();
        folder->setText(QStringLiteral("/srv/other/"));
        f.window.close();
        QCOMPARE(f.messages.texts(), QStringList { "Genstart program !" });
        QCOMPARE(f.value(SettingsKeys::sectionDb, SettingsKeys::path), QStringLiteral("/srv/other/"));
    }

    void anUnwritableFileKeepsTheWindowOpen()
    {
        // A folder inside a regular file cannot hold a file, whoever runs the test.
        QTemporaryDir dir;
        writeFile(dir.filePath("plain"), "not a folder");
        const QString programFolder = dir.filePath("plain/program");
        RecordingTarget target;
        MessageRecorder messages;
        TfrmIndstillinger window(programFolder, &target);
        window.show();
        control<QLineEdit>(window, "eDbPath")->setText(QStringLiteral("/srv/other/"));
        const QString unable = QStringLiteral("Unable to write to ")
            + QDir::toNativeSeparators(settingsFilePath(programFolder));

        window.close();
        QVERIFY(window.isVisible());
        QCOMPARE(messages.texts(), (QStringList { "Genstart program !", unable }));
        QCOMPARE(messages.shown.last().kind, Messages::Kind::Error);
        QCOMPARE(target.calls, QStringList());

        // Closing again starts over, message and all.
        QTest::mouseClick(control<QPushButton>(window, "BitBtn1"), Qt::LeftButton);
        QVERIFY(window.isVisible());
        QCOMPARE(
            messages.texts(), (QStringList { "Genstart program !", unable, "Genstart program !", unable }));
        QVERIFY(!QFile::exists(settingsFilePath(programFolder)));
    }

    void aRefusingGridKeepsTheWindowOpen()
    {
        Fixture f;
        f.target.failOn = QStringLiteral("ApplyTimeLayout");
        f.window.show();
        f.window.close();
        QVERIFY(f.window.isVisible());
        QCOMPARE(f.messages.texts(), QStringList { "cannot ApplyTimeLayout" });
        QVERIFY(!f.target.calls.contains("rereadGrid"));

        f.target.failOn.clear();
        f.target.calls.clear();
        f.window.close();
        QVERIFY(f.window.isHidden());
        QCOMPARE(f.target.calls.first(), QStringLiteral("setTimeUnit(30)"));
        QCOMPARE(f.target.calls.last(), QStringLiteral("rereadGrid"));
    }
};

QTEST_MAIN(TestSettingsWindow)
#include "tst_settingswindow.moc"
