#include "runningprogram.h"

#include "data/appointmentstore.h"
#include "data/resourcestore.h"
#include "data/sqlerror.h"
#include "platform/guid.h"
#include "schedule/plannergrid.h"
#include "testsupport/testdatabase.h"
#include "testsupport/testenvironment.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>

const QStringList RunningProgram::resourceNames { "System", "Anne", "Bo", "Carl", "Dorte", "Erik", "Frida" };
const QDate RunningProgram::today(2024, 1, 15);

RunningProgram::RunningProgram(int resources, const QByteArray &settingsFile,
    const RegionalSettings &regional, const std::function<void(QSqlDatabase)> &beforeStart)
    : m_db(std::make_unique<TestDatabase>(false, today))
{
    m_other.openSqliteFile(m_db->path());
    ResourceStore store(m_other.database());
    for (int i = 1; i < resources; ++i)
        store.insertResource(resourceNames.at(i));
    if (!settingsFile.isEmpty()) {
        QFile ini(QDir(m_db->folder()).filePath(QStringLiteral("Mirvo.ini")));
        if (ini.open(QIODevice::WriteOnly))
            ini.write(settingsFile);
    }
    if (beforeStart)
        beforeStart(m_other.database());

    const Environment e = testEnvironment(m_db->folder(), today, regional);
    m_window = std::make_unique<TfrmMirvo>(e);
    m_started = m_window->FormCreate();
    if (!m_started)
        return;
    m_window->createWindows();
    m_window->show();
    m_started = QTest::qWaitForWindowExposed(m_window.get());
}

RunningProgram::~RunningProgram()
{
    m_window.reset();
}

QAction *RunningProgram::action(const QString &name) const
{
    return m_window->findChild<QAction *>(name);
}

void RunningProgram::click(const QString &name)
{
    if (QAction *a = action(name)) {
        a->trigger();
        return;
    }
    auto *button = m_window->findChild<QAbstractButton *>(name);
    if (!button) {
        qWarning("nothing named %s to click", qPrintable(name));
        return;
    }
    QTest::mouseClick(button, Qt::LeftButton);
}

QString RunningProgram::addAppointment(
    const QDateTime &start, const QDateTime &end, int mek, const QString &subject)
{
    Appointment a;
    a.key = newGuid();
    a.start = start;
    a.end = end;
    a.mek = mek;
    a.subject = subject;
    a.color = 255;
    AppointmentStore(m_other.database()).insert(a);
    return a.key;
}

QList<Appointment> RunningProgram::rows() const
{
    QSqlQuery q(m_other.database());
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT %1 FROM Schedules ORDER BY MEK, STARTTIME, KEYFIELD")
                  .arg(appointmentColumns()));
    execOrThrow(q);
    QList<Appointment> list;
    while (q.next())
        list.append(appointmentFromQuery(q));
    return list;
}

QStringList RunningProgram::shownBlocks() const
{
    const PlannerGrid &g = *m_window->grid();
    QStringList shown;
    for (const PlacedBlock &b : g.blocks())
        shown.append(QStringLiteral("%1@%2").arg(g.items()[b.item].caption).arg(b.column));
    shown.sort();
    return shown;
}

QStringList RunningProgram::columnHeadings() const
{
    const PlannerGrid &g = *m_window->grid();
    QStringList headings;
    for (int p = 0; p < g.columnCount(); ++p)
        headings.append(g.columnHeading(p));
    return headings;
}

QStringList RunningProgram::groupHeadings() const
{
    const PlannerGrid &g = *m_window->grid();
    QStringList headings;
    if (!g.columnLayout().hasGroups())
        return headings;
    for (int group = 0; group < g.columnLayout().groupCount(); ++group)
        headings.append(g.groupHeading(group));
    return headings;
}

bool answerDialog(
    const QString &name, const std::function<void(QDialog *)> &answer, const std::function<void()> &command)
{
    bool shown = false;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            auto *dialog = qobject_cast<QDialog *>(w);
            if (!dialog || dialog->objectName() != name || !dialog->isVisible())
                continue;
            poll.stop();
            shown = true;
            answer(dialog);
            if (dialog->isVisible())
                dialog->reject();
            return;
        }
    });
    poll.start();
    command();
    poll.stop();
    return shown;
}
