#pragma once

#include <QString>
#include <optional>

// The number an initialisation-file value holds: decimal with an optional sign, or hexadecimal
// after "0x"/"0X" (up to 32 bits, so 0xFFFFFFFF is -1). As with GetPrivateProfileInt the leading
// number counts and whatever follows it is ignored ("30min" is 30); a text that does not start
// with a number, or a number too large for an int, gives no value, so the reader's default holds.
std::optional<int> parseIniInteger(const QString &text);
