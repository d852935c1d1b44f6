#include "timelineedit.h"

#include <QKeyEvent>
#include <QKeySequence>

bool timeKeyAllowed(QChar c, const RegionalSettings &regional)
{
    const char16_t u = c.unicode();
    return u == 8 || u == 9 || u == 13 || (u >= u'0' && u <= u'9') || c == regional.timeSeparator;
}

namespace {

// Editing commands are not typed characters: they keep working like the context menu does.
bool isEditingCommand(QKeyEvent *event)
{
    for (const QKeySequence::StandardKey key : { QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste,
             QKeySequence::SelectAll, QKeySequence::Undo, QKeySequence::Redo }) {
        if (event->matches(key))
            return true;
    }
    return false;
}

} // namespace

TimeLineEdit::TimeLineEdit(const RegionalSettings &regional, QWidget *parent)
    : QLineEdit(parent)
    , m_regional(regional)
{ }

void TimeLineEdit::keyPressEvent(QKeyEvent *event)
{
    const QString typed = event->text();
    // Delete reports a DEL character on some platforms, yet types nothing.
    const bool typesCharacter = !typed.isEmpty() && event->key() != Qt::Key_Delete;
    if (typesCharacter && !isEditingCommand(event) && !timeKeyAllowed(typed.at(0), m_regional)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
