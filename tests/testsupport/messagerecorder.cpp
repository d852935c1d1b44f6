#include "messagerecorder.h"

MessageRecorder::MessageRecorder()
{
    Messages::setRecorder([this](const Messages::Shown &s) { shown.append(s); });
}

MessageRecorder::~MessageRecorder()
{
    Messages::setRecorder(nullptr);
}

QStringList MessageRecorder::texts() const
{
    QStringList list;
    for (const Messages::Shown &s : shown)
        list.append(s.text);
    return list;
}
