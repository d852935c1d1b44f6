#pragma once

#include <QString>

class QPainter;
class QRectF;

// Captions written in the small HTML dialect of the windows' design (<P align>, <FONT size face>,
// <B>, and '&' marking an accelerator). FONT sizes there are point sizes, not HTML's 1..7.
QString htmlCaptionToQt(const QString &caption);

// Draws the caption inside rect, vertically centred.
void drawHtmlCaption(QPainter &painter, const QRectF &rect, const QString &caption);
