#pragma once

class PlannerGrid;
class QPrinter;

// Prints the grid's current view on one page of `printer`: every column, every shown row
// sharing the page height, headings and time bar, no side margins, an empty job title.
// Throws MirvoError when the printer cannot be started.
void printGrid(const PlannerGrid &grid, QPrinter &printer);
