#include "bannerpanel.h"

#include "platform/htmlcaption.h"

#include <QLinearGradient>
#include <QPainter>
#include <QResizeEvent>

BannerPanel::BannerPanel(QWidget *parent)
    : QWidget(parent)
{
}

void BannerPanel::setCaption(const QString &caption)
{
    m_caption = caption;
    update();
}

void BannerPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QLinearGradient gradient(0, 0, width(), 0);
    gradient.setColorAt(0, QColor(166, 202, 240)); // sky blue
    gradient.setColorAt(1, QColor(160, 160, 164)); // medium grey
    painter.fillRect(rect(), gradient);
    painter.setPen(Qt::black);
    drawHtmlCaption(painter, rect(), m_caption);
}

void BannerPanel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    emit resized(event->size().width());
}
