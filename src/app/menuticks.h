#pragma once

// The ticks of the "&Vis" menu's three radio groups. The commands set them themselves, so a
// command that refuses to act leaves the previous tick; 0 means no item of the group is ticked.
struct MenuTicks
{
    int mode = 1;      // VisMode1..VisMode3
    int days = 5;      // N1Dag1..N7Dage1
    int resources = 1; // VisRes1..VisRes5
};
