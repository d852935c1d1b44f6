#include "appointmentprint.h"

#include "platform/errors.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextLayout>

namespace AppointmentPrint {

namespace {

    // Template measures, in thousandths of a millimetre relative to their band.
    constexpr int HeaderBandHeight = 25135;
    constexpr int LabelLeft = 10319;
    constexpr int ValueLeft = 26723;
    constexpr int DateTop = 3704;
    constexpr int StartTop = 9260;
    constexpr int EndTop = 15346;
    constexpr int DetailLeft = 5556;
    constexpr int DetailWidth = 192617;
    constexpr int HeadingTop = 1323;
    constexpr int HeadingHeight = 4995;
    constexpr int TextTop = 9525;
    constexpr int LineWidth = 265;

    class Sheet
    {
    public:
        explicit Sheet(QPrinter &printer)
            : m_printer(printer)
            , m_dotsPerMicron(printer.resolution() / 25400.0)
        { }

        qreal dots(int microns) const { return microns * m_dotsPerMicron; }
        qreal pageHeight() const
        {
            return m_printer.pageLayout().paintRectPixels(m_printer.resolution()).height();
        }

    private:
        QPrinter &m_printer;
        qreal m_dotsPerMicron;
    };

    QFont arial(int points, bool bold = false)
    {
        QFont font(QStringLiteral("Arial"), points);
        font.setStyleHint(QFont::SansSerif);
        font.setBold(bold);
        return font;
    }

    // Header labels size themselves to their text, so they are drawn unclipped from their corner.
    void drawLabel(QPainter &painter, const Sheet &sheet, int left, int top, const QString &text)
    {
        painter.drawText(QRectF(sheet.dots(left), sheet.dots(top), 0, 0),
            Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip | Qt::TextSingleLine, text);
    }

    void drawHeader(QPainter &painter, const Sheet &sheet, const AppointmentPrintout &printout)
    {
        painter.setPen(QPen(Qt::black, sheet.dots(LineWidth)));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(sheet.dots(5556), sheet.dots(1852), sheet.dots(192352), sheet.dots(21167)));

        painter.setFont(arial(12));
        drawLabel(painter, sheet, LabelLeft, DateTop, QStringLiteral("Dato:"));
        drawLabel(painter, sheet, ValueLeft, DateTop, printout.dateText);
        drawLabel(painter, sheet, LabelLeft, StartTop, QStringLiteral("Fra:"));
        drawLabel(painter, sheet, ValueLeft, StartTop, printout.startText);
        drawLabel(painter, sheet, LabelLeft, EndTop, QStringLiteral("Til:"));
        drawLabel(painter, sheet, ValueLeft, EndTop, printout.endText);
    }

    void drawLines(QPainter &painter, const QStringList &lines, int first, int count, qreal left, qreal top,
        qreal width, Qt::Alignment alignment)
    {
        const QFontMetricsF metrics(painter.font(), painter.device());
        for (int i = 0; i < count; ++i) {
            const QRectF box(left, top + i * metrics.lineSpacing(), width, metrics.lineSpacing());
            painter.drawText(
                box, alignment | Qt::AlignTop | Qt::TextDontClip | Qt::TextSingleLine, lines.at(first + i));
        }
    }

} // namespace

QString dateText(const QDate &date, QChar dateSeparator)
{
    const auto digits
        = [](int value, int width) { return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0')); };
    return digits(date.day(), 2) + dateSeparator + digits(date.month(), 2) + dateSeparator
        + digits(date.year(), 4);
}

void preparePrinter(QPrinter &printer)
{
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
        QMarginsF(6.35, 6.35, 6.35, 6.35), QPageLayout::Millimeter));
    printer.setDocName(QStringLiteral("Report"));
}

QStringList wrapText(const QString &text, const QFont &font, qreal width, QPaintDevice *device)
{
    QStringList lines;
    if (text.isEmpty())
        return lines;
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QString normalised = text;
    normalised.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    normalised.replace(u'\t', u' ');
    for (const QString &paragraph : normalised.split(u'\n')) {
        if (paragraph.isEmpty()) {
            lines.append(QString());
            continue;
        }
        QTextLayout layout(paragraph, font, device);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            lines.append(paragraph.mid(line.textStart(), line.textLength()));
        }
        layout.endLayout();
    }
    return lines;
}

QList<int> pageStarts(int lineCount, qreal lineHeight, qreal firstPageRoom, qreal laterPageRoom)
{
    QList<int> starts { 0 };
    if (lineHeight <= 0)
        return starts;
    int line = 0;
    qreal room = firstPageRoom;
    while (true) {
        const int fitting = std::max(1, static_cast<int>(room / lineHeight));
        line += fitting;
        if (line >= lineCount)
            return starts;
        starts.append(line);
        room = laterPageRoom;
    }
}

void print(const AppointmentPrintout &printout, QPrinter &printer)
{
    QPainter painter;
    if (!painter.begin(&printer)) {
        const QString target
            = printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
        throw MirvoError(QStringLiteral("Printing on %1 could not start").arg(target));
    }
    const Sheet sheet(printer);
    const qreal left = sheet.dots(DetailLeft);
    const qreal width = sheet.dots(DetailWidth);

    const QFont headingFont = arial(12, true);
    const QStringList headingLines = wrapText(printout.heading, headingFont, width, &printer);
    const qreal headingSpacing = QFontMetricsF(headingFont, &printer).lineSpacing();
    // The heading box is fixed; a heading too long for it wraps and pushes the text down instead of being
    // cut.
    const qreal headingOverflow
        = std::max<qreal>(0, headingLines.size() * headingSpacing - sheet.dots(HeadingHeight));

    const QFont textFont = arial(10);
    const QStringList lines = wrapText(printout.text, textFont, width, &printer);
    const qreal lineSpacing = QFontMetricsF(textFont, &printer).lineSpacing();
    const qreal firstTextTop = sheet.dots(HeaderBandHeight + TextTop) + headingOverflow;
    const qreal laterTextTop = sheet.dots(HeaderBandHeight + HeadingTop);
    const QList<int> starts = pageStarts(
        lines.size(), lineSpacing, sheet.pageHeight() - firstTextTop, sheet.pageHeight() - laterTextTop);

    for (int page = 0; page < starts.size(); ++page) {
        if (page > 0)
            printer.newPage();
        drawHeader(painter, sheet, printout);
        if (page == 0) {
            painter.setFont(headingFont);
            drawLines(painter, headingLines, 0, headingLines.size(), left,
                sheet.dots(HeaderBandHeight + HeadingTop), width, Qt::AlignHCenter);
        }
        const int end = page + 1 < starts.size() ? starts.at(page + 1) : lines.size();
        painter.setFont(textFont);
        drawLines(painter, lines, starts.at(page), end - starts.at(page), left,
            page == 0 ? firstTextTop : laterTextTop, width, Qt::AlignLeft);
    }
    painter.end();
}

} // namespace AppointmentPrint
