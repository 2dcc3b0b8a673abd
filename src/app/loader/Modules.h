#pragma once

#include <QObject>
#include <QString>

// Loads one of the program's own modules (the sound and the chart) by name
// and returns its root object, or null when it is missing or cannot be
// loaded. The modules are looked for beside the installed program first and
// then, when the program runs from its build tree, in that tree's modules
// folder. A loaded module stays loaded until the program ends.
QObject *LoadModule(const char *name);

// The two halves of LoadModule, for loading on another thread: where the
// module is (empty when missing; asks the application, so on its thread),
// and loading it from there.
QString ModuleFile(const char *name);
QObject *LoadModuleFile(const QString &file);
