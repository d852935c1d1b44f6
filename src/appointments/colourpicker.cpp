#include "colourpicker.h"

#include <QPainter>
#include <QPixmap>

ColourPicker::ColourPicker(QWidget *parent)
    : QComboBox(parent)
{
    const int side = 12;
    for (const Entry &entry : entries()) {
        QPixmap swatch(side, side);
        swatch.fill(toQColor(entry.value));
        QPainter painter(&swatch);
        painter.setPen(Qt::black);
        painter.drawRect(0, 0, side - 1, side - 1);
        painter.end();
        addItem(QIcon(swatch), entry.name, entry.value);
    }
}

const QList<ColourPicker::Entry> &ColourPicker::entries()
{
    static const QList<Entry> list {
        { QStringLiteral("Black"), 0 },
        { QStringLiteral("Maroon"), 128 },
        { QStringLiteral("Green"), 32768 },
        { QStringLiteral("Olive"), 32896 },
        { QStringLiteral("Navy"), 8388608 },
        { QStringLiteral("Purple"), 8388736 },
        { QStringLiteral("Teal"), 8421376 },
        { QStringLiteral("Gray"), 8421504 },
        { QStringLiteral("Silver"), 12632256 },
        { QStringLiteral("Red"), 255 },
        { QStringLiteral("Lime"), 65280 },
        { QStringLiteral("Yellow"), 65535 },
        { QStringLiteral("Blue"), 16711680 },
        { QStringLiteral("Fuchsia"), 16711935 },
        { QStringLiteral("Aqua"), 16776960 },
        { QStringLiteral("White"), 16777215 },
        { QStringLiteral("Money Green"), 12639424 },
        { QStringLiteral("Sky Blue"), SkyBlue },
        { QStringLiteral("Cream"), 15793151 },
        { QStringLiteral("Medium Gray"), 10789024 },
    };
    return list;
}

QColor ColourPicker::toQColor(int value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

void ColourPicker::setColor(int value)
{
    setCurrentIndex(findData(value));
}

int ColourPicker::color() const
{
    return currentIndex() < 0 ? NoColour : currentData().toInt();
}
