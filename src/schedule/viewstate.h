#pragma once

#include <QDate>

// How the grid's columns are laid out: days only, day groups per resource, or resource
// groups per day.
enum class Mode
{
    dmMultiDay,
    dmMultiDayRes,
    dmMultiResDay
};

// What the grid shows: view mode, day and resource counts, and the first day.
struct ViewState
{
    Mode mode = Mode::dmMultiDay;
    int numberOfDays = 5;
    int numberOfResources = 1;
    QDate day = QDate::currentDate();

    bool operator==(const ViewState &) const = default;
};
