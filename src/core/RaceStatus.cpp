#include "RaceStatus.h"

#include "RaceSheetSchema.h"

#include <utility>

namespace rundaro {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kStatusName = SetUpKeyText(SetUpKey::Status);
// The row's field that holds the race time.
constexpr std::size_t kRaceTimeField = ColumnIndex(LapColumn::RaceTime);

// One line of `text` from `pos`: its content without the line end, and where
// the next line begins (npos when this one has no end in `text`).
struct Line
{
    std::string_view content;
    std::size_t next = std::string_view::npos;
};

Line lineAt(std::string_view text, std::size_t pos)
{
    const std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos)
        return {text.substr(pos), end};
    std::size_t contentEnd = end;
    if (contentEnd > pos && text[contentEnd - 1] == '\r')
        --contentEnd;
    return {text.substr(pos, contentEnd - pos), end + 1};
}

std::size_t firstLine(std::string_view text)
{
    return text.substr(0, kByteOrderMark.size()) == kByteOrderMark ? kByteOrderMark.size() : 0;
}

// Where the value of the set-up line `name` begins and how long it is; npos
// when there is no complete such line among the set-up lines.
std::pair<std::size_t, std::size_t> findValue(std::string_view text, std::string_view name)
{
    for (std::size_t pos = firstLine(text); pos < text.size();) {
        const Line line = lineAt(text, pos);
        // A line cut off by the end of the head may lack part of its value.
        if (line.next == std::string_view::npos || line.content.empty())
            break;
        if (line.content.size() > name.size() && line.content.substr(0, name.size()) == name
            && line.content[name.size()] == ';')
            return {pos + name.size() + 1, line.content.size() - name.size() - 1};
        pos = line.next;
    }
    return {std::string_view::npos, 0};
}

} // namespace

std::int64_t WholeRacePassings(std::int64_t laps, std::int64_t extraMetres)
{
    // With extra metres the first passing closes the start line's segment,
    // then one passing per lap; without them one passing per lap.
    return laps + (extraMetres != 0 ? 1 : 0);
}

std::string_view JudgedRaceStatus(std::string_view written, std::int64_t laps, std::int64_t extraMetres,
                                  std::int64_t passings)
{
    if (written != kStatusFinished && written != kStatusAborted)
        return written;
    return passings >= WholeRacePassings(laps, extraMetres) ? kStatusFinished : kStatusAborted;
}

std::optional<std::string> RaceSetUpValue(std::string_view text, std::string_view name)
{
    const auto [at, length] = findValue(text, name);
    if (at == std::string_view::npos)
        return std::nullopt;
    return std::string(text.substr(at, length));
}

bool SetRaceStatus(std::string &text, std::string_view status)
{
    const auto [at, length] = findValue(text, kStatusName);
    if (at == std::string_view::npos)
        return false;
    text.replace(at, length, status);
    return true;
}

int RacePassings(std::string_view text)
{
    std::size_t pos = firstLine(text);
    // Past the set-up lines and the empty line after them ...
    while (pos < text.size()) {
        const Line line = lineAt(text, pos);
        pos = line.next;
        if (line.content.empty())
            break;
    }
    // ... and the header line.
    if (pos < text.size())
        pos = lineAt(text, pos).next;
    int passings = 0;
    while (pos < text.size()) {
        const Line line = lineAt(text, pos);
        std::size_t field = 0;
        for (std::size_t i = 0; i < kRaceTimeField && field != std::string_view::npos; ++i) {
            field = line.content.find(';', field);
            if (field != std::string_view::npos)
                ++field;
        }
        if (field != std::string_view::npos && field < line.content.size() && line.content[field] != ';')
            ++passings;
        pos = line.next;
    }
    return passings;
}

} // namespace rundaro
