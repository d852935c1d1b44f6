#pragma once

#include "platform/messages.h"

#include <QList>
#include <QStringList>

// Records the program's message boxes instead of showing them, for as long as it lives.
class MessageRecorder
{
public:
    MessageRecorder();
    ~MessageRecorder();

    QList<Messages::Shown> shown;
    QStringList texts() const;
    void clear() { shown.clear(); }
};
