#pragma once

#include <QWidget>

class QCalendarWidget;
class QGroupBox;

// Which parts of the right panel stay visible at a given panel height.
struct RightPanelVisibility
{
    bool calendar2;
    bool calendar3;
    bool resourceGroup;
};
RightPanelVisibility rightPanelVisibility(int height);

// The right panel "AdvPanel2": three month calendars and the resource group, which give way
// from the bottom up when the window is made lower.
class RightPanel : public QWidget
{
    Q_OBJECT

public:
    explicit RightPanel(QWidget *parent = nullptr);

    void setParts(QCalendarWidget *calendar1, QCalendarWidget *calendar2, QCalendarWidget *calendar3,
                  QGroupBox *resourceGroup);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QCalendarWidget *m_calendar2 = nullptr;
    QCalendarWidget *m_calendar3 = nullptr;
    QGroupBox *m_resourceGroup = nullptr;
};
