#pragma once

// What the settings window changes in the running program as it closes. The main window
// implements it; every call takes effect at once. A call may throw MirvoError, which stops
// the closing there.
class DisplaySettingsTarget
{
public:
    virtual ~DisplaySettingsTarget() = default;
    virtual void setTimeUnit(int minutes) = 0; // minutes per grid row
    virtual void setDisplayScale(int pixels) = 0; // grid row height
    virtual void setStartSlot(int slot) = 0; // first shown half-hour slot
    virtual void setStopSlot(int slot) = 0; // last shown half-hour slot
    virtual void setZoomButtonsVisible(bool visible) = 0; // SpeedButton1/2
    // 0, 0: the grid sizes its columns itself and zooming is unavailable.
    virtual void setColumnWidths(int positionWidth, int positionZoomWidth) = 0;
    virtual void setRefreshButtonVisible(bool visible) = 0; // bMultiUser
    virtual void ApplyTimeLayout() = 0;
    virtual void rereadGrid() = 0; // the item feed off and on again
};
