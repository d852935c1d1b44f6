#pragma once

// What the opening-hours window changes in the running program as it closes. The main window
// implements it. A call may throw MirvoError, which stops the closing there.
class OpeningHoursTarget
{
public:
    virtual ~OpeningHoursTarget() = default;
    virtual void setUseOpeningHours(bool on) = 0;
    virtual void LoadOpeningHours() = 0;
};
