#pragma once

#include <optional>

// Reads the program's command line: --help, --help-all and --version print
// and end the program, as Qt's other standard options are Qt's own. An
// unknown option or an argument gives one line on standard error. Returns
// the exit code when the program is to end here, nothing when the window is
// to open. Needs the application object.
std::optional<int> ReadCommandLine();
