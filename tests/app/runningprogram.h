#pragma once

#include "app/tfrmmirvo.h"
#include "data/appointment.h"
#include "data/connection.h"

#include <QDateTime>
#include <QDialog>
#include <QList>
#include <QStringList>
#include <functional>
#include <memory>

class QAction;
class TestDatabase;

// The program as a user starts it: a program folder with a database of resources 0..n-1 (named
// as in `resourceNames`) and, when given, a Mirvo.ini; the main window opened, its other windows
// made, and shown. A second connection stands for another copy of the program on the same file.
class RunningProgram
{
public:
    static const QStringList resourceNames;
    static const QDate today; // a Monday

    explicit RunningProgram(int resources, const QByteArray &settingsFile = {},
        const RegionalSettings &regional = RegionalSettings::danish(),
        const std::function<void(QSqlDatabase)> &beforeStart = {});
    ~RunningProgram();

    bool started() const { return m_started; }
    TfrmMirvo &window() { return *m_window; }
    PlannerGrid &grid() { return *m_window->grid(); }
    QSqlDatabase otherCopy() const { return m_other.database(); }

    QAction *action(const QString &name) const;
    template<typename T> T *control(const QString &name) const { return m_window->findChild<T *>(name); }

    // A menu item by name or a button of the main window by name, as the user would click it.
    void click(const QString &name);

    // Written through the other connection; returns the new row's key.
    QString addAppointment(const QDateTime &start, const QDateTime &end, int mek, const QString &subject);
    // Every row of Schedules, ordered by resource, start and key.
    QList<Appointment> rows() const;
    // The captions of the blocks the grid shows with their column, "caption@column", sorted.
    QStringList shownBlocks() const;
    QStringList columnHeadings() const;
    QStringList groupHeadings() const;

private:
    std::unique_ptr<TestDatabase> m_db;
    Connection m_other;
    std::unique_ptr<TfrmMirvo> m_window;
    bool m_started = false;
};

// Runs `command`, which shows the modal window named `name`; once the window shows, `answer`
// gets it and should close it (one still open afterwards is rejected). Returns whether the
// window showed.
bool answerDialog(
    const QString &name, const std::function<void(QDialog *)> &answer, const std::function<void()> &command);
