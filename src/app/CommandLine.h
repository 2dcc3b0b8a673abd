#pragma once

#include <optional>

// Reads the program's command line: --help, --help-all and --version print
// and end the program, as Qt's other standard options are Qt's own. An
// unknown option or an argument gives one line on standard error. Returns
// the exit code when the program is to end here, nothing when the window is
// to open. Needs the application object.
std::optional<int> ReadCommandLine();

// True when the command line asks for help or the version: the program then
// prints and ends, and needs no display. Looked at before there is an
// application object.
bool AsksForProgramInfo(int argc, const char *const *argv);

// Makes the next application object stand on Qt's headless platform, so that
// a run that only prints (over SSH, in a packaging script) needs no display
// and yet knows, and lists with --help-all, Qt's own window options.
void UseHeadlessPlatform();
