#pragma once

#include "platform/regionalsettings.h"

#include <QLineEdit>

// True for the characters that typing may put into a time field: Backspace, Tab, Enter, the
// decimal digits and the regional time separator.
bool timeKeyAllowed(QChar c, const RegionalSettings &regional);

// The line edit of the dialog's time fields. It swallows every typed character that
// timeKeyAllowed refuses; keys without a character (arrows, Delete) and text arriving without
// typing (picked from the list, pasted) pass unchecked.
class TimeLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit TimeLineEdit(const RegionalSettings &regional, QWidget *parent = nullptr);

    void setRegionalSettings(const RegionalSettings &regional) { m_regional = regional; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    RegionalSettings m_regional;
};
