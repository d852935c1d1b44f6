#pragma once

#include <QString>

// The name typed for a new or renamed resource: blanks, other white space and control
// characters are removed from both ends. An empty result means there is nothing to store.
QString trimmedResourceName(const QString &typed);
