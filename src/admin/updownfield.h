#pragma once

#include "admin/settingsformstate.h"

#include <QSpinBox>

// A read-only, right-aligned number field with up-down arrows: the value changes only through
// the arrows (buttons or arrow keys), one at a time, and never leaves its range. The spin box
// carries the arrows' name, its line edit the number field's name.
class UpDownField : public QSpinBox
{
    Q_OBJECT

public:
    UpDownField(const QString &arrowsName, const QString &fieldName, NumberRange range, QWidget *parent);

    void stepBy(int steps) override;
};
