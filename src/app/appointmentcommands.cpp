// The main window's appointment commands: create or edit, delete, the right-clicks and the
// appointment list.

#include "appointments/appointmentdialog.h"
#include "appointments/appointmentform.h"
#include "appointments/colourpicker.h"
#include "appointments/tfrmaftaler.h"
#include "data/appointment.h"
#include "data/appointmentquery.h"
#include "data/appointmentstore.h"
#include "platform/messages.h"
#include "schedule/plannergrid.h"
#include "tfrmmirvo.h"

void TfrmMirvo::bOpretRetClick()
{
    Messages::guarded([this] {
        const TimeLayout &rows = DBPlanner1->timeLayout();
        const QChar separator = m_environment.regional.timeSeparator;
        frmAftaleTekst->setTimeChoices(RowTimes(rows.displayStart, rows.displayEnd, rows.displayUnit, separator));

        const std::optional<AppointmentItem> item = DBPlanner1->selectedItem();
        if (item) {
            frmAftaleTekst->setHeading(item->caption);
            frmAftaleTekst->setTextLines(item->text);
            frmAftaleTekst->setColor(int(item->colour));
            frmAftaleTekst->setStartText(DBPlanner1->selectedStartText());
            frmAftaleTekst->setEndText(DBPlanner1->selectedEndText());
            frmAftaleTekst->setDate(item->start.date());
            // The appointment keeps its own resource, also where a column shows several.
            frmAftaleTekst->setResourceValue(QString::number(item->resource));
        } else {
            const int p = DBPlanner1->selectedPosition();
            const QDateTime start = DBPlanner1->cellTime(p, DBPlanner1->selectionStartRow());
            const QDateTime end = DBPlanner1->cellTime(p, DBPlanner1->selectionEndRow());
            frmAftaleTekst->setColor(ColourPicker::SkyBlue);
            frmAftaleTekst->setHeading(QString());
            frmAftaleTekst->setTextLines({});
            frmAftaleTekst->setStartText(cellTimeText(start.time(), separator));
            frmAftaleTekst->setEndText(cellTimeText(end.time(), separator));
            frmAftaleTekst->setDate(start.date());
            frmAftaleTekst->setResourceValue(QString::number(qAftaler->minMek() + DBPlanner1->PositionSlot(p)));
        }

        if (frmAftaleTekst->exec() == QDialog::Accepted) {
            const QDate date = frmAftaleTekst->date();
            Appointment values;
            values.start = QDateTime(date, storedTime(frmAftaleTekst->startText(), m_environment.regional));
            values.end = QDateTime(date, storedTime(frmAftaleTekst->endText(), m_environment.regional));
            // An end at 00:00 after a later start is the midnight that ends the day; on the same
            // date it would end before it starts, and the grid could never show it.
            if (values.end.time() == QTime(0, 0) && values.start.time() > QTime(0, 0))
                values.end = values.end.addDays(1);
            values.notes = frmAftaleTekst->text();
            values.subject = frmAftaleTekst->heading();
            values.color = frmAftaleTekst->color();
            values.mek = resourceNumber(frmAftaleTekst->resourceValue());
            std::optional<QString> key;
            if (item && !item->key.isEmpty())
                key = item->key;
            m_appointments->save(key, values);
            qAftaler->reopen(qAftaler->minMek(), qAftaler->maxMek());
        }
        DBPlanner1->unselectAll();
    });
}

void TfrmMirvo::Button1Click()
{
    Messages::guarded([this] {
        const std::optional<AppointmentItem> item = DBPlanner1->selectedItem();
        if (!item)
            return;
        m_appointments->remove(item->key);
        qAftaler->reopen(qAftaler->minMek(), qAftaler->maxMek());
        DBPlanner1->unselectAll();
    });
}

void TfrmMirvo::DBPlanner1ItemRightClick(const QString &key)
{
    DBPlanner1->unselectAll();
    DBPlanner1->selectItem(key);
    bOpretRetClick();
}

void TfrmMirvo::Aftaler1Click()
{
    if (Messages::guarded([this] { frmAftaler->open(qAftaler->minMek(), qAftaler->maxMek()); }))
        frmAftaler->exec();
}
