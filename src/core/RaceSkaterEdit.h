#pragma once

#include <string>
#include <string_view>

// Corrects the skater's name in a race file's text, leaving every other byte
// as it was: the value of the `Läufer` set-up line is replaced, or, in a
// file written before races were named, such a line is added after the last
// set-up line with that file's line end. Nothing here touches a file.
namespace rundaro {

// False, and `text` as it was, when `name` holds a line break (it would
// split the line) or the text has no complete set-up lines.
bool SetRaceSkater(std::string &text, std::string_view name);

} // namespace rundaro
