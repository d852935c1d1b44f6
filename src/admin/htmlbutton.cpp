#include "htmlbutton.h"

#include "platform/htmlcaption.h"

#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QStylePainter>

HTMLButton::HTMLButton(QWidget *parent)
    : QPushButton(parent)
{ }

HTMLButton::HTMLButton(const QString &htmlCaption, QWidget *parent)
    : QPushButton(parent)
{
    setHtmlCaption(htmlCaption);
}

void HTMLButton::setHtmlCaption(const QString &caption)
{
    m_htmlCaption = caption;
    // QAbstractButton takes its mnemonic shortcut from the plain text.
    setText(plainText(caption));
    update();
}

QString HTMLButton::plainText(const QString &htmlCaption)
{
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    QString text = htmlCaption;
    text.remove(tag);
    text.replace(QStringLiteral("&amp;"), QStringLiteral("&&"), Qt::CaseInsensitive);
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"), Qt::CaseInsensitive);
    text.replace(QStringLiteral("&gt;"), QStringLiteral(">"), Qt::CaseInsensitive);
    text.replace(QStringLiteral("&quot;"), QStringLiteral("\""), Qt::CaseInsensitive);
    text.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "), Qt::CaseInsensitive);
    return text.simplified();
}

void HTMLButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // The style draws the frame and focus; the caption is ours.
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButton, option);

    QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    contents.adjust(4, 0, -4, 0);
    if (isDown() || isChecked()) {
        contents.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
            style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    }
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    // An alignment written in the caption wins over the centring around it.
    drawHtmlCaption(painter, contents,
        QStringLiteral("<div align=\"center\">") + m_htmlCaption + QStringLiteral("</div>"));
}
