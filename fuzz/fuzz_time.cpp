// libFuzzer target: the time check of the appointment dialog. Any text must be judged without a
// crash, and a text it accepts must give a real time of day.
#include "appointments/validtime.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const RegionalSettings regionals[] = { RegionalSettings::danish(), RegionalSettings::usEnglish() };
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const RegionalSettings &r : regionals) {
        const std::optional<QTime> t = parseTime(text, r);
        if (t && !t->isValid())
            std::abort();
        if (ValidTime(text, r) != t.has_value())
            std::abort();
    }
    return 0;
}
