#pragma once

// What the resource register asks of the main window once a command has changed the register.
// The main window implements it. A call may throw MirvoError; the register shows it.
class ResourceRegisterTarget
{
public:
    virtual ~ResourceRegisterTarget() = default;
    // After a deletion: re-read qAftaler and qMek, fit the shown resource count, check resource 0,
    // and fall back to the view without resources when one is left.
    virtual void resourceDeleted() = 0;
    // After a rename: re-read qAftaler and qMek and the grid.
    virtual void systemResourceRenamed() = 0;
};
