#include "RaceSkaterEdit.h"

#include "RaceSheetSchema.h"

namespace rundaro {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kSkaterName = SetUpKeyText(SetUpKey::Skater);

} // namespace

bool SetRaceSkater(std::string &text, std::string_view name)
{
    if (name.find_first_of("\r\n") != std::string_view::npos)
        return false;
    std::size_t pos = text.compare(0, kByteOrderMark.size(), kByteOrderMark) == 0 ? kByteOrderMark.size() : 0;
    // Where the line after the last set-up line begins, and that line's end.
    std::size_t afterSetup = std::string::npos;
    std::string_view lineEnd = "\r\n";
    while (pos < text.size()) {
        const std::size_t end = text.find('\n', pos);
        if (end == std::string::npos)
            return false; // the set-up lines never end
        const bool crlf = end > pos && text[end - 1] == '\r';
        const std::size_t contentEnd = crlf ? end - 1 : end;
        const std::string_view line(text.data() + pos, contentEnd - pos);
        if (line.empty()) {
            afterSetup = pos;
            break;
        }
        lineEnd = crlf ? "\r\n" : "\n";
        if (line.size() > kSkaterName.size() && line.substr(0, kSkaterName.size()) == kSkaterName
            && line[kSkaterName.size()] == ';') {
            const std::size_t at = pos + kSkaterName.size() + 1;
            text.replace(at, contentEnd - at, name);
            return true;
        }
        pos = end + 1;
    }
    if (afterSetup == std::string::npos || afterSetup == 0
        || (afterSetup == kByteOrderMark.size() && text.compare(0, afterSetup, kByteOrderMark) == 0))
        return false;
    std::string line(kSkaterName);
    line += ';';
    line += name;
    line += lineEnd;
    text.insert(afterSetup, line);
    return true;
}

} // namespace rundaro
