#pragma once

#include <QString>

// A new random GUID in its 38-character braced, upper-case text form.
QString newGuid();
