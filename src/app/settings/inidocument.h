#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

// The lines of an initialisation file, read the way Windows reads one: section and key names
// match without regard to case, blanks around names and values do not count, and when a section
// or a key occurs twice only the first counts. Lines without "=" (comments, junk) are kept as they
// are and otherwise ignored, as are keys before the first section.
class IniDocument
{
public:
    explicit IniDocument(const QByteArray &content = {});

    // The trimmed value, at most 2047 characters, or nothing when the section or key is missing.
    std::optional<QString> value(const QString &section, const QString &key) const;

    // Replaces the value of an existing key (keeping the key's spelling), or adds the key at the end
    // of its section, or the section at the end of the file. Every other line stays byte for byte.
    void setValue(const QString &section, const QString &key, const QString &value);

    QByteArray content() const;

    static constexpr int maxValueLength = 2047;

private:
    enum class Kind
    {
        Other,
        Section,
        Key
    };
    struct Line
    {
        QByteArray raw; // without the line feed, with a carriage return if the file had one
        Kind kind = Kind::Other;
        QString name;
        QString value;
    };

    static Line parseLine(const QByteArray &raw);
    Line newLine(const QString &text) const;
    std::optional<size_t> findSection(const QString &section) const;
    size_t sectionEnd(size_t sectionLine) const;

    std::vector<Line> m_lines;
    bool m_crlf = false;
};
