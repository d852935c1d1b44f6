#include "updownfield.h"

#include <QLineEdit>

UpDownField::UpDownField(
    const QString &arrowsName, const QString &fieldName, NumberRange range, QWidget *parent)
    : QSpinBox(parent)
{
    setObjectName(arrowsName);
    lineEdit()->setObjectName(fieldName);
    lineEdit()->setReadOnly(true);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setRange(range.minimum, range.maximum);
    setSingleStep(1);
    setWrapping(false);
}

void UpDownField::stepBy(int steps)
{
    // Page keys and a fast wheel would otherwise jump by more than one.
    QSpinBox::stepBy(steps > 0 ? 1 : (steps < 0 ? -1 : 0));
}
