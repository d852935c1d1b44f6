#include "validtime.h"

namespace {

class TimeReader
{
public:
    explicit TimeReader(const QString &text)
        : m_text(text)
    { }

    void skipBlanks()
    {
        while (m_pos < m_text.size() && m_text.at(m_pos) == u' ')
            ++m_pos;
    }

    bool atEnd()
    {
        skipBlanks();
        return m_pos >= m_text.size();
    }

    bool readChar(QChar c)
    {
        skipBlanks();
        if (m_pos < m_text.size() && m_text.at(m_pos) == c) {
            ++m_pos;
            return true;
        }
        return false;
    }

    bool readWord(const QString &word)
    {
        skipBlanks();
        // An empty regional marker must not count as present.
        if (word.isEmpty())
            return false;
        if (QStringView(m_text).mid(m_pos).startsWith(word, Qt::CaseInsensitive)) {
            m_pos += word.size();
            return true;
        }
        return false;
    }

    // A run of digits; reading stops once the value has reached 1000, so any longer run leaves
    // digits behind and the text fails as a whole.
    bool readNumber(int &value)
    {
        skipBlanks();
        const qsizetype start = m_pos;
        value = 0;
        while (m_pos < m_text.size() && value < 1000) {
            const char16_t c = m_text.at(m_pos).unicode();
            if (c < u'0' || c > u'9')
                break;
            value = value * 10 + (c - u'0');
            ++m_pos;
        }
        return m_pos > start;
    }

private:
    const QString &m_text;
    qsizetype m_pos = 0;
};

// -1: no marker; 0: morning; 12: afternoon.
int readMarker(TimeReader &reader, const RegionalSettings &regional)
{
    if (reader.readWord(regional.amText) || reader.readWord(QStringLiteral("AM")))
        return 0;
    if (reader.readWord(regional.pmText) || reader.readWord(QStringLiteral("PM")))
        return 12;
    return -1;
}

} // namespace

std::optional<QTime> parseTime(const QString &text, const RegionalSettings &regional)
{
    TimeReader reader(text);
    int baseHour = readMarker(reader, regional);
    const bool markerFirst = baseHour >= 0;

    int hour = 0;
    int minute = 0;
    int second = 0;
    int msec = 0;
    if (!reader.readNumber(hour))
        return std::nullopt;
    if (reader.readChar(regional.timeSeparator)) {
        if (!reader.readNumber(minute))
            return std::nullopt;
        if (reader.readChar(regional.timeSeparator)) {
            if (!reader.readNumber(second))
                return std::nullopt;
            if (reader.readChar(regional.decimalSeparator) && !reader.readNumber(msec))
                return std::nullopt;
        }
    }
    if (!markerFirst)
        baseHour = readMarker(reader, regional);
    if (!reader.atEnd())
        return std::nullopt;

    if (baseHour >= 0) {
        if (hour < 1 || hour > 12)
            return std::nullopt;
        hour = hour % 12 + baseHour;
    }
    if (hour > 23 || minute > 59 || second > 59 || msec > 999)
        return std::nullopt;
    return QTime(hour, minute, second, msec);
}

bool ValidTime(const QString &text, const RegionalSettings &regional)
{
    return parseTime(text, regional).has_value();
}
