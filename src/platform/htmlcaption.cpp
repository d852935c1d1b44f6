#include "htmlcaption.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QRegularExpression>
#include <QTextDocument>

QString htmlCaptionToQt(const QString &caption)
{
    QString html = caption;
    static const QRegularExpression size(QStringLiteral("(<FONT[^>]*?)\\bsize\\s*=\\s*\"(\\d+)\""),
                                         QRegularExpression::CaseInsensitiveOption);
    html.replace(size, QStringLiteral("\\1style=\"font-size:\\2pt\""));
    // '&&' is a literal ampersand; a single '&' before a letter marks the accelerator, drawn underlined.
    static const QRegularExpression accelerator(QStringLiteral("&(?![&#a-zA-Z]+;)(\\w)"));
    html.replace(QStringLiteral("&&"), QStringLiteral("&amp;"));
    html.replace(accelerator, QStringLiteral("<u>\\1</u>"));
    return html;
}

void drawHtmlCaption(QPainter &painter, const QRectF &rect, const QString &caption)
{
    QTextDocument doc;
    doc.setDefaultFont(painter.font());
    doc.setDocumentMargin(0);
    doc.setHtml(htmlCaptionToQt(caption));
    doc.setTextWidth(rect.width());
    const qreal top = rect.top() + (rect.height() - doc.size().height()) / 2;
    painter.save();
    painter.translate(rect.left(), top);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, painter.pen().color());
    doc.documentLayout()->draw(&painter, context);
    painter.restore();
}
