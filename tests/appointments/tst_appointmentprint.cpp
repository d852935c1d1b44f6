#include "appointments/appointmentdialog.h"
#include "appointments/appointmentprint.h"
#include "testsupport/messagerecorder.h"

#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Output of a poppler tool run on a PDF file; empty when it fails.
QString poppler(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString pdfText(const QString &file, int page = 0)
{
    QStringList arguments;
    if (page > 0)
        arguments << "-f" << QString::number(page) << "-l" << QString::number(page);
    return poppler(QStringLiteral("pdftotext"), arguments << "-layout" << file << "-");
}

QString pdfInfo(const QString &file, const QString &key)
{
    const QRegularExpression line(
        QStringLiteral("^%1:\\s*(.*)$").arg(key), QRegularExpression::MultilineOption);
    return line.match(poppler(QStringLiteral("pdfinfo"), { file })).captured(1).trimmed();
}

PrinterChooser printTo(const QString &file)
{
    return [file](QPrinter &printer, QWidget *) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        return true;
    };
}

void clickPrint(TfrmAftaleTekst &dialog)
{
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("Button3")), Qt::LeftButton);
}

} // namespace

class TestAppointmentPrint : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()
            || QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
            QSKIP("poppler-utils (pdftotext, pdfinfo) is not installed");
    }

    void printsTheFieldsAsTheyStand()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("aftale.pdf"));
        MessageRecorder recorder;
        TfrmAftaleTekst dialog(RegionalSettings::danish());
        dialog.setPrinterChooser(printTo(file));
        dialog.setDate(QDate(2024, 3, 5));
        dialog.setStartText(QStringLiteral("9:60"));
        dialog.setEndText(QStringLiteral("10"));
        dialog.setHeading(QStringLiteral("Eftersyn af bil"));
        dialog.setTextLines({ "Skift olie", "Tjek bremser" });
        dialog.show();

        clickPrint(dialog);

        QVERIFY(recorder.shown.isEmpty());
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.startText(), QStringLiteral("9:60"));
        QCOMPARE(dialog.text(), QStringLiteral("Skift olie\r\nTjek bremser\r\n"));

        const QString text = pdfText(file);
        QVERIFY2(QRegularExpression(QStringLiteral("Dato:\\s+05-03-2024")).match(text).hasMatch(),
            qPrintable(text));
        QVERIFY2(
            QRegularExpression(QStringLiteral("Fra:\\s+9:60\\s")).match(text).hasMatch(), qPrintable(text));
        QVERIFY2(
            QRegularExpression(QStringLiteral("Til:\\s+10\\s")).match(text).hasMatch(), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Eftersyn af bil")));
        QVERIFY(text.indexOf(QStringLiteral("Skift olie")) < text.indexOf(QStringLiteral("Tjek bremser")));
        QCOMPARE(pdfInfo(file, QStringLiteral("Pages")), QStringLiteral("1"));
        QVERIFY(pdfInfo(file, QStringLiteral("Page size")).contains(QStringLiteral("letter")));
        QCOMPARE(pdfInfo(file, QStringLiteral("Title")), QStringLiteral("Report"));
    }

    void emptyHeadingStillPrintsTheHeader()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("tom.pdf"));
        TfrmAftaleTekst dialog(RegionalSettings::usEnglish());
        dialog.setPrinterChooser(printTo(file));
        dialog.setDate(QDate(2024, 12, 31));
        dialog.setStartText(QStringLiteral("9:30 AM"));
        dialog.setEndText(QStringLiteral("11 PM"));
        clickPrint(dialog);
        const QString text = pdfText(file);
        QVERIFY2(text.contains(QStringLiteral("31/12/2024")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("9:30 AM")));
        QVERIFY(text.contains(QStringLiteral("11 PM")));
    }

    void longTextContinuesOnFurtherPages()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("lang.pdf"));
        QStringList lines;
        for (int i = 1; i <= 120; ++i)
            lines << QStringLiteral("Linje %1").arg(i);
        QStringList words;
        for (int i = 1; i <= 400; ++i)
            words << QStringLiteral("ord%1").arg(i);
        lines << words.join(u' ');
        TfrmAftaleTekst dialog(RegionalSettings::danish());
        dialog.setPrinterChooser(printTo(file));
        dialog.setStartText(QStringLiteral("8"));
        dialog.setEndText(QStringLiteral("9"));
        dialog.setTextLines(lines);

        clickPrint(dialog);

        const int pages = pdfInfo(file, QStringLiteral("Pages")).toInt();
        QVERIFY2(pages >= 2, qPrintable(QString::number(pages)));
        const QString last = pdfText(file, pages);
        QVERIFY2(last.contains(QStringLiteral("ord400")), qPrintable(last));
        QVERIFY(last.contains(QStringLiteral("Dato:")));
        const QString all = pdfText(file);
        for (const QString &expected : { QStringLiteral("Linje 1"), QStringLiteral("Linje 120"),
                 QStringLiteral("ord1"), QStringLiteral("ord200") }) {
            const QRegularExpression word(QStringLiteral("(^|\\s)%1(\\s|$)").arg(expected));
            QVERIFY2(word.match(all).hasMatch(), qPrintable(expected));
        }
    }

    void cancelledPrintDialogPrintsNothing()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("aldrig.pdf"));
        TfrmAftaleTekst dialog(RegionalSettings::danish());
        bool asked = false;
        dialog.setPrinterChooser([&](QPrinter &printer, QWidget *) {
            asked = true;
            printer.setOutputFileName(file);
            return false;
        });
        dialog.setHeading(QStringLiteral("Syn"));
        dialog.show();
        clickPrint(dialog);
        QVERIFY(asked);
        QVERIFY(!QFile::exists(file));
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.heading(), QStringLiteral("Syn"));
    }

    void printerThatCannotStartIsReported()
    {
        QTemporaryDir dir;
        MessageRecorder recorder;
        TfrmAftaleTekst dialog(RegionalSettings::danish());
        dialog.setPrinterChooser(printTo(dir.filePath(QStringLiteral("mangler/aftale.pdf"))));
        dialog.show();
        clickPrint(dialog);
        QCOMPARE(recorder.shown.size(), 1);
        QCOMPARE(recorder.shown.first().kind, Messages::Kind::Error);
        QVERIFY(dialog.isVisible());
    }

    void wrappingKeepsEveryCharacter()
    {
        QImage device(10, 10, QImage::Format_RGB32);
        QFont font(QStringLiteral("Arial"), 10);
        const QString paragraph
            = QStringLiteral("en lang linje med mange ord og et meget langt ord: ") + QString(80, u'x');
        const qreal width = 150;
        const QStringList lines
            = AppointmentPrint::wrapText(paragraph + QStringLiteral("\r\n\r\nslut"), font, width, &device);
        QVERIFY(lines.size() > 4);
        QCOMPARE(lines.at(lines.size() - 2), QString());
        QCOMPARE(lines.last(), QStringLiteral("slut"));
        QCOMPARE(lines.mid(0, lines.size() - 2).join(QString()), paragraph);
        const QFontMetricsF metrics(font, &device);
        for (const QString &line : lines)
            QVERIFY2(metrics.horizontalAdvance(line.trimmed()) <= width, qPrintable(line));
        QVERIFY(AppointmentPrint::wrapText(QString(), font, width, &device).isEmpty());
    }
};

QTEST_MAIN(TestAppointmentPrint)
#include "tst_appointmentprint.moc"
