#pragma once

#include "viewstate.h"

#include <QChar>
#include <QDate>
#include <QString>

class ResourceMap;

// The grid's columns ("positions") for one view state: which day and resource slot each
// column shows, where an appointment of a day and slot goes, and the heading texts.
class ColumnLayout
{
public:
    explicit ColumnLayout(const ViewState &view);

    int columnCount() const;
    QDate PositionDay(int p) const;
    int PositionSlot(int p) const;
    int dayOffset(int p) const;
    // The column of a day offset (0..days-1) and slot; -1 when outside the layout.
    int column(int dayOffset, int slot) const;

    // Resource modes group their columns under a second heading row.
    bool hasGroups() const { return m_view.mode != Mode::dmMultiDay; }
    int columnsPerGroup() const;
    int groupCount() const;

    QString columnHeading(int p, const ResourceMap &map, QChar dateSeparator) const;
    QString groupHeading(int group, const ResourceMap &map, QChar dateSeparator) const;

    // "dd/mm/yyyy" with the regional date separator in place of "/".
    static QString dateHeading(const QDate &date, QChar dateSeparator);

    const ViewState &view() const { return m_view; }

private:
    ViewState m_view;
};
