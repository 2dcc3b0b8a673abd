#pragma once

#include <QObject>

// Loads one of the program's own modules (the sound and the chart) by name
// and returns its root object, or null when it is missing or cannot be
// loaded. The modules are looked for beside the installed program first and
// then in the build tree the program was built in. A loaded module stays
// loaded until the program ends.
QObject *LoadModule(const char *name);
