// libFuzzer target: the settings-file reader. Any bytes as Mirvo.ini must read without a crash,
// every reader must fall back to its defaults or read a value, and a value written must read back.
#include "app/settings/inidocument.h"
#include "app/settings/inifile.h"
#include "app/settings/iniinteger.h"
#include "app/settings/settingsfile.h"
#include "app/settings/settingsformvalues.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

namespace {

const QStringList sections { "DB", "ActiveTime", "Options", "Diverse", "" };
const QStringList keys { "Path", "Server", "UseActiveTime", "Start", "Stop", "DisplayUnit", "CellHight",
    "AutoBrede", "CellBrede", "Zoom", "MultiUser" };

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    IniDocument doc(bytes);
    for (const QString &s : sections) {
        for (const QString &k : keys) {
            const std::optional<QString> v = doc.value(s, k);
            if (v) {
                check(v->size() <= IniDocument::maxValueLength);
                parseIniInteger(*v);
            }
        }
    }
    // A plain value written into any file reads back as written.
    const QString value = QString::fromUtf8(bytes.left(40)).simplified().left(30).trimmed();
    doc.setValue(QStringLiteral("Diverse"), QStringLiteral("Zoom"), value);
    check(IniDocument(doc.content()).value(QStringLiteral("Diverse"), QStringLiteral("Zoom")) == value);

    // The readers the program uses, through a real file.
    const QString path = settingsFilePath(dir.path());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        f.write(bytes);
        f.close();
    }
    const IniFile file(path);
    readDatabaseFolder(file);
    readServerConnection(file);
    readDisplayPreferences(file);
    readSettingsFormValues(file, dir.path());
    return 0;
}
