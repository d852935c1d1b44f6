#include "guid.h"

#include <QUuid>

QString newGuid()
{
    return QUuid::createUuid().toString(QUuid::WithBraces).toUpper();
}
