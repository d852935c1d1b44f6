#include "inidocument.h"

#include <QList>

namespace {

const QByteArray utf8Bom("\xEF\xBB\xBF");

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

IniDocument::IniDocument(const QByteArray &content)
{
    QList<QByteArray> raws = content.split('\n');
    if (raws.size() > 1 && raws.last().isEmpty())
        raws.removeLast();
    if (content.isEmpty())
        raws.clear();
    m_crlf = !raws.isEmpty() && raws.first().endsWith('\r');
    for (const QByteArray &raw : raws)
        m_lines.push_back(parseLine(raw));
    if (!m_lines.empty() && m_lines.front().raw.startsWith(utf8Bom)) {
        Line first = parseLine(m_lines.front().raw.mid(utf8Bom.size()));
        first.raw = m_lines.front().raw;
        m_lines.front() = first;
    }
}

IniDocument::Line IniDocument::parseLine(const QByteArray &raw)
{
    Line line;
    line.raw = raw;
    const QString text = QString::fromUtf8(raw).trimmed();
    if (text.startsWith(u'[')) {
        qsizetype close = text.indexOf(u']');
        if (close < 0)
            close = text.size();
        line.kind = Kind::Section;
        line.name = text.mid(1, close - 1).trimmed();
        return line;
    }
    if (text.startsWith(u';'))
        return line;
    const qsizetype equals = text.indexOf(u'=');
    if (equals < 0)
        return line;
    line.kind = Kind::Key;
    line.name = text.left(equals).trimmed();
    line.value = text.mid(equals + 1).trimmed();
    return line;
}

IniDocument::Line IniDocument::newLine(const QString &text) const
{
    QByteArray raw = text.toUtf8();
    if (m_crlf)
        raw.append('\r');
    return parseLine(raw);
}

std::optional<size_t> IniDocument::findSection(const QString &section) const
{
    for (size_t i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].kind == Kind::Section && sameName(m_lines[i].name, section))
            return i;
    }
    return std::nullopt;
}

size_t IniDocument::sectionEnd(size_t sectionLine) const
{
    size_t end = sectionLine + 1;
    while (end < m_lines.size() && m_lines[end].kind != Kind::Section)
        ++end;
    return end;
}

std::optional<QString> IniDocument::value(const QString &section, const QString &key) const
{
    const std::optional<size_t> start = findSection(section);
    if (!start)
        return std::nullopt;
    const size_t end = sectionEnd(*start);
    for (size_t i = *start + 1; i < end; ++i) {
        if (m_lines[i].kind == Kind::Key && sameName(m_lines[i].name, key))
            return m_lines[i].value.left(maxValueLength);
    }
    return std::nullopt;
}

void IniDocument::setValue(const QString &section, const QString &key, const QString &value)
{
    // A line break in the value would start a new line and so a new key or section.
    QString flat = value;
    flat.replace(u'\r', u' ').replace(u'\n', u' ');

    const std::optional<size_t> start = findSection(section);
    if (!start) {
        if (!m_lines.empty() && !m_lines.back().raw.trimmed().isEmpty())
            m_lines.push_back(newLine(QString()));
        m_lines.push_back(newLine(u'[' + section + u']'));
        m_lines.push_back(newLine(key + u'=' + flat));
        return;
    }
    const size_t end = sectionEnd(*start);
    size_t lastFilled = *start;
    for (size_t i = *start + 1; i < end; ++i) {
        if (m_lines[i].kind == Kind::Key && sameName(m_lines[i].name, key)) {
            m_lines[i] = newLine(m_lines[i].name + u'=' + flat);
            return;
        }
        if (!m_lines[i].raw.trimmed().isEmpty())
            lastFilled = i;
    }
    // After the section's last filled line, so the blank line before the next section stays there.
    m_lines.insert(m_lines.begin() + qsizetype(lastFilled + 1), newLine(key + u'=' + flat));
}

QByteArray IniDocument::content() const
{
    QByteArray out;
    for (const Line &line : m_lines) {
        out.append(line.raw);
        out.append('\n');
    }
    return out;
}
