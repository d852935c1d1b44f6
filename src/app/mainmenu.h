#pragma once

#include "menuticks.h"

#include <QList>

class QAction;
class QMenuBar;

// The main window's menu "MainMenu1": every item with its design caption, shortcut and group.
struct MainMenu
{
    QAction *Udskriv1 = nullptr;
    QAction *Exit1 = nullptr;
    QList<QAction *> VisMode;   // VisMode1..VisMode3
    QList<QAction *> Days;      // N1Dag1, N2Dage1 .. N7Dage1
    QList<QAction *> Resources; // VisRes1..VisRes5
    QAction *Kartotek1 = nullptr;
    QAction *Aftaler1 = nullptr;
    QAction *Arbejdstider1 = nullptr;
    QAction *Indstillinger1 = nullptr;
    QAction *About1 = nullptr;

    static MainMenu build(QMenuBar *bar);

    // Shows the ticks; any tick Qt set by itself on a click is undone.
    void showTicks(const MenuTicks &ticks) const;
};
