#include "resourcename.h"

namespace {

bool isTrimmed(QChar c)
{
    return c.isSpace() || c.category() == QChar::Other_Control;
}

} // namespace

QString trimmedResourceName(const QString &typed)
{
    qsizetype first = 0;
    qsizetype end = typed.size();
    while (first < end && isTrimmed(typed.at(first)))
        ++first;
    while (end > first && isTrimmed(typed.at(end - 1)))
        --end;
    return typed.mid(first, end - first);
}
