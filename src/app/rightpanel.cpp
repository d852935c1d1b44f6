#include "rightpanel.h"

#include <QCalendarWidget>
#include <QGroupBox>
#include <QResizeEvent>

RightPanelVisibility rightPanelVisibility(int height)
{
    return { height >= 290, height >= 430, height >= 525 };
}

RightPanel::RightPanel(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("AdvPanel2"));
    setFixedWidth(171);
}

void RightPanel::setParts(QCalendarWidget *calendar1, QCalendarWidget *calendar2, QCalendarWidget *calendar3,
                          QGroupBox *resourceGroup)
{
    m_calendar2 = calendar2;
    m_calendar3 = calendar3;
    m_resourceGroup = resourceGroup;
    calendar1->setGeometry(2, -1, 167, 150);
    calendar2->setGeometry(2, 153, 167, 150);
    calendar3->setGeometry(2, 308, 167, 150);
    resourceGroup->setGeometry(2, 460, 167, 75);
}

void RightPanel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (!m_resourceGroup)
        return;
    const RightPanelVisibility visible = rightPanelVisibility(event->size().height());
    m_calendar2->setVisible(visible.calendar2);
    m_calendar3->setVisible(visible.calendar3);
    m_resourceGroup->setVisible(visible.resourceGroup);
}
