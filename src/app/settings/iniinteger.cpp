#include "iniinteger.h"

#include <limits>

namespace {

int digitValue(QChar c, int base)
{
    const char16_t u = c.unicode();
    int v = -1;
    if (u >= u'0' && u <= u'9')
        v = u - u'0';
    else if (u >= u'a' && u <= u'f')
        v = u - u'a' + 10;
    else if (u >= u'A' && u <= u'F')
        v = u - u'A' + 10;
    return v < base ? v : -1;
}

} // namespace

std::optional<int> parseIniInteger(const QString &text)
{
    const QString t = text.trimmed();
    qsizetype i = 0;
    int base = 10;
    bool negative = false;
    if (t.size() > 1 && t[0] == u'0' && (t[1] == u'x' || t[1] == u'X')) {
        base = 16;
        i = 2;
    } else if (!t.isEmpty() && (t[0] == u'+' || t[0] == u'-')) {
        negative = t[0] == u'-';
        i = 1;
    }
    const qint64 limit = base == 16 ? qint64(std::numeric_limits<quint32>::max())
                                    : qint64(std::numeric_limits<int>::max()) + (negative ? 1 : 0);
    qint64 value = 0;
    const qsizetype first = i;
    for (; i < t.size(); ++i) {
        const int d = digitValue(t[i], base);
        if (d < 0)
            break;
        value = value * base + d;
        if (value > limit)
            return std::nullopt;
    }
    if (i == first)
        return std::nullopt;
    if (base == 16)
        return int(quint32(value));
    return int(negative ? -value : value);
}
