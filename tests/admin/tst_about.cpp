#include "admin/tfrmabout.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

Q_DECLARE_METATYPE(std::optional<QString>)

class TestAbout : public QObject
{
    Q_OBJECT

private slots:
    void versionLine_data()
    {
        QTest::addColumn<std::optional<QString>>("version");
        QTest::addColumn<QString>("expected");
        QTest::newRow("this release") << std::optional<QString>("2.1.0.0") << "Program Version: 2.1.0.0";
        QTest::newRow("no version at all")
            << std::optional<QString>() << "Program Version: < No Data Available >";
        QTest::newRow("empty version")
            << std::optional<QString>("") << "Program Version: < No Version Info >";
    }
    void versionLine()
    {
        QFETCH(std::optional<QString>, version);
        QFETCH(QString, expected);
        QCOMPARE(::versionLine(version), expected);
    }

    void showsTheBuiltVersion()
    {
        TfrmAbout about;
        QCOMPARE(about.windowTitle(), QString());
        QStringList texts;
        for (const QLabel *label : about.findChildren<QLabel *>())
            texts.append(label->text());
        QCOMPARE(texts, (QStringList { "Planner", "Program Version: 2.1.0.0" }));
        QCOMPARE(QStringLiteral(MIRVO_VERSION), QStringLiteral("2.1.0.0"));
        about.show();
        about.findChild<QPushButton *>("Button1")->click();
        QVERIFY(!about.isVisible());
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
