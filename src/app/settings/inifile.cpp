#include "inifile.h"

#include "inidocument.h"
#include "iniinteger.h"
#include "platform/errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

std::optional<QString> readValue(const QString &path, const QString &section, const QString &key)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return IniDocument(file.readAll()).value(section, key);
}

[[noreturn]] void cannotWrite(const QString &path)
{
    throw MirvoError(
        QStringLiteral("Unable to write to ") + QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
}

} // namespace

IniFile::IniFile(const QString &path)
    : m_path(path)
{ }

QString IniFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    return readValue(m_path, section, key).value_or(defaultValue);
}

int IniFile::readInteger(const QString &section, const QString &key, int defaultValue) const
{
    const std::optional<QString> text = readValue(m_path, section, key);
    if (!text)
        return defaultValue;
    return parseIniInteger(*text).value_or(defaultValue);
}

bool IniFile::readBool(const QString &section, const QString &key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    QByteArray old;
    QFile existing(m_path);
    if (existing.exists()) {
        // Rewriting a file we cannot read would lose its other keys.
        if (!existing.open(QIODevice::ReadOnly))
            cannotWrite(m_path);
        old = existing.readAll();
        existing.close();
    }
    IniDocument document(old);
    document.setValue(section, key, value);

    // Written beside the file and renamed over it, so a failed write leaves the old file whole.
    // No direct-write fallback: that would truncate the file before writing it.
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        cannotWrite(m_path);
    const QByteArray content = document.content();
    // Flushed here because commit() does not notice a failed flush of its buffer and would rename a
    // cut-off file into place.
    if (file.write(content) != content.size() || !file.flush() || !file.commit())
        cannotWrite(m_path);
}

void IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    writeString(section, key, QString::number(value));
}

void IniFile::writeBool(const QString &section, const QString &key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}
