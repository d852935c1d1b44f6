#pragma once

#include <QString>

// One initialisation file on disk. Nothing is kept in memory: every read opens and parses the
// file anew, every write re-reads it, changes one key and replaces the file. A missing or
// unreadable file, section or key gives the reader's default.
class IniFile
{
public:
    explicit IniFile(const QString &path);

    const QString &path() const { return m_path; }

    QString readString(const QString &section, const QString &key, const QString &defaultValue) const;
    int readInteger(const QString &section, const QString &key, int defaultValue) const;
    // Read as an integer with the default 1 or 0; any number but 0 is true.
    bool readBool(const QString &section, const QString &key, bool defaultValue) const;

    // Throw MirvoError("Unable to write to <full path>") when the file cannot be written; the file
    // then keeps its old content.
    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, int value);
    void writeBool(const QString &section, const QString &key, bool value);

private:
    QString m_path;
};
