#include "mainmenu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace {

QAction *addItem(QMenu *menu, const QString &name, const QString &caption, const QKeySequence &shortcut = {})
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    return action;
}

QList<QAction *> addRadioGroup(QMenu *menu, const QStringList &names, const QStringList &captions,
                               const QList<QKeySequence> &shortcuts)
{
    // The group draws radio marks; the window decides which item is ticked (none is possible).
    auto *group = new QActionGroup(menu);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    QList<QAction *> items;
    for (int i = 0; i < names.size(); ++i) {
        QAction *action = addItem(menu, names[i], captions[i], shortcuts[i]);
        action->setCheckable(true);
        group->addAction(action);
        items.append(action);
    }
    return items;
}

void tick(const QList<QAction *> &items, int number)
{
    for (int i = 0; i < items.size(); ++i)
        items[i]->setChecked(i + 1 == number);
}

} // namespace

MainMenu MainMenu::build(QMenuBar *bar)
{
    bar->setObjectName(QStringLiteral("MainMenu1"));
    MainMenu m;

    QMenu *file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("File1"));
    m.Udskriv1 = addItem(file, QStringLiteral("Udskriv1"), QStringLiteral("&Udskriv"));
    m.Exit1 = addItem(file, QStringLiteral("Exit1"), QStringLiteral("&Quit"));

    QMenu *view = bar->addMenu(QStringLiteral("&Vis"));
    view->setObjectName(QStringLiteral("Vis1"));
    m.VisMode = addRadioGroup(
        view, { QStringLiteral("VisMode1"), QStringLiteral("VisMode2"), QStringLiteral("VisMode3") },
        { QStringLiteral("Normal uden Ressource."), QStringLiteral("Flere dage pr. Ressource."),
          QStringLiteral("Flere Ressourcer pr dag.") },
        { QKeySequence(Qt::CTRL | Qt::Key_A), QKeySequence(Qt::CTRL | Qt::Key_B), QKeySequence(Qt::CTRL | Qt::Key_C) });
    view->addSeparator();
    QStringList dayNames { QStringLiteral("N1Dag1") };
    QStringList dayCaptions { QStringLiteral("1 Dag") };
    QList<QKeySequence> dayKeys { QKeySequence(Qt::CTRL | Qt::Key_F1) };
    for (int n = 2; n <= 7; ++n) {
        dayNames.append(QStringLiteral("N%1Dage1").arg(n));
        dayCaptions.append(QStringLiteral("%1 Dage").arg(n));
        dayKeys.append(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_F1 + n - 1)));
    }
    m.Days = addRadioGroup(view, dayNames, dayCaptions, dayKeys);
    view->addSeparator();
    QStringList resourceNames, resourceCaptions;
    QList<QKeySequence> resourceKeys;
    for (int n = 1; n <= 5; ++n) {
        resourceNames.append(QStringLiteral("VisRes%1").arg(n));
        resourceCaptions.append(QStringLiteral("%1 Ressource").arg(n));
        resourceKeys.append(QKeySequence(Qt::SHIFT | Qt::Key(Qt::Key_F1 + n - 1)));
    }
    m.Resources = addRadioGroup(view, resourceNames, resourceCaptions, resourceKeys);

    QMenu *data = bar->addMenu(QStringLiteral("&Data"));
    data->setObjectName(QStringLiteral("Data1"));
    m.Kartotek1 = addItem(data, QStringLiteral("Kartotek1"), QStringLiteral("Ressource kartotek"),
                          QKeySequence(Qt::CTRL | Qt::Key_D));
    m.Aftaler1 = addItem(data, QStringLiteral("Aftaler1"), QStringLiteral("Aftaler"), QKeySequence(Qt::CTRL | Qt::Key_E));

    QMenu *setup = bar->addMenu(QStringLiteral("Opsætning"));
    setup->setObjectName(QStringLiteral("Opsaetning1"));
    m.Arbejdstider1 = addItem(setup, QStringLiteral("Arbejdstider1"), QStringLiteral("Åbnings tider"),
                              QKeySequence(Qt::CTRL | Qt::Key_F));
    m.Indstillinger1 = addItem(setup, QStringLiteral("Indstillinger1"), QStringLiteral("Indstillinger"),
                               QKeySequence(Qt::CTRL | Qt::Key_G));

    QMenu *info = bar->addMenu(QStringLiteral("Info"));
    info->setObjectName(QStringLiteral("Info1"));
    m.About1 = addItem(info, QStringLiteral("About1"), QStringLiteral("Version"));

    m.showTicks(MenuTicks {});
    return m;
}

void MainMenu::showTicks(const MenuTicks &ticks) const
{
    tick(VisMode, ticks.mode);
    tick(Days, ticks.days);
    tick(Resources, ticks.resources);
}
