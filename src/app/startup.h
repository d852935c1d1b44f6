#pragma once

#include "platform/environment.h"

// The program entry after QApplication exists: creates the windows in their order, runs the
// event loop and returns the exit status (non-zero when the start failed).
int runMirvo(const Environment &environment);
