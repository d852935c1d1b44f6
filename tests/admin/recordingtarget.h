#pragma once

#include "admin/displaysettingstarget.h"
#include "admin/openinghourstarget.h"
#include "platform/errors.h"

#include <QStringList>

// Stands for the main window: records, in order, what the admin windows change in it. A call
// named in failOn throws instead, as the main window's own errors would.
class RecordingTarget : public DisplaySettingsTarget, public OpeningHoursTarget
{
public:
    QStringList calls;
    QString failOn;

    void setTimeUnit(int minutes) override { record(QStringLiteral("setTimeUnit(%1)").arg(minutes)); }
    void setDisplayScale(int pixels) override { record(QStringLiteral("setDisplayScale(%1)").arg(pixels)); }
    void setStartSlot(int slot) override { record(QStringLiteral("setStartSlot(%1)").arg(slot)); }
    void setStopSlot(int slot) override { record(QStringLiteral("setStopSlot(%1)").arg(slot)); }
    void setZoomButtonsVisible(bool visible) override
    {
        record(QStringLiteral("setZoomButtonsVisible(%1)").arg(text(visible)));
    }
    void setColumnWidths(int positionWidth, int positionZoomWidth) override
    {
        record(QStringLiteral("setColumnWidths(%1,%2)").arg(positionWidth).arg(positionZoomWidth));
    }
    void setRefreshButtonVisible(bool visible) override
    {
        record(QStringLiteral("setRefreshButtonVisible(%1)").arg(text(visible)));
    }
    void ApplyTimeLayout() override { record(QStringLiteral("ApplyTimeLayout")); }
    void rereadGrid() override { record(QStringLiteral("rereadGrid")); }

    void setUseOpeningHours(bool on) override
    {
        record(QStringLiteral("setUseOpeningHours(%1)").arg(text(on)));
    }
    void LoadOpeningHours() override { record(QStringLiteral("LoadOpeningHours")); }

private:
    static QString text(bool value) { return value ? QStringLiteral("true") : QStringLiteral("false"); }
    void record(const QString &call)
    {
        if (!failOn.isEmpty() && call.startsWith(failOn))
            throw MirvoError(QStringLiteral("cannot ") + call);
        calls.append(call);
    }
};
