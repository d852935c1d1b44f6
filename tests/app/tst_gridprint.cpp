#include "app/tfrmmirvo.h"
#include "testsupport/messagerecorder.h"
#include "testsupport/testdatabase.h"
#include "testsupport/testenvironment.h"

#include <QAction>
#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString run(const QString &tool, const QStringList &args)
{
    QProcess p;
    p.start(tool, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TestGridPrint : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<TfrmMirvo> m_window;

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        // The demo appointments start on the first working day from "today".
        m_db = std::make_unique<TestDatabase>(true, QDate(2024, 1, 15));
        const Environment e = testEnvironment(m_db->folder());
        m_window = std::make_unique<TfrmMirvo>(e);
        QVERIFY(m_window->FormCreate());
        m_window->createWindows();
        m_window->show();
    }

    void printsTheCurrentViewOnOnePage()
    {
        QTemporaryDir dir;
        const QString pdf = QDir(dir.path()).filePath("grid.pdf");
        m_window->setDefaultPrinter([&](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
        });
        MessageRecorder recorder;
        m_window->findChild<QAction *>("Udskriv1")->trigger();
        QVERIFY(recorder.shown.isEmpty());

        const QString info = run("pdfinfo", { pdf });
        QVERIFY2(info.contains(QRegularExpression("Pages:\\s+1\\b")), qPrintable(info));
        const QString text = run("pdftotext", { "-layout", pdf, "-" });
        // Every shown day's heading, the first and last shown rows, and an appointment.
        for (const char *expected : { "15-01-2024", "19-01-2024", "08:00", "23:30", "Morgenmøde" })
            QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
    }

    void noDefaultPrinterIsReported()
    {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("this machine has a default printer");
        m_window->setDefaultPrinter(useSystemDefaultPrinter);
        MessageRecorder recorder;
        m_window->findChild<QAction *>("Udskriv1")->trigger();
        QCOMPARE(recorder.shown.size(), 1);
        QCOMPARE(recorder.shown.first().kind, Messages::Kind::Error);
        QVERIFY(recorder.shown.first().text.contains("default printer"));
    }
};

QTEST_MAIN(TestGridPrint)
#include "tst_gridprint.moc"
