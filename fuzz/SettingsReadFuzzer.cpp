// The settings reading on arbitrary file contents: RegFileStore and
// ReadSettings must never crash, and must apply exactly the values of the
// reading order up to the first one that is missing, not a 32-bit number, or
// whose application throws. The expected values come from a parse of the
// file written here from the file format alone. Writing the settings back
// must then read back every value and keep the lines the program does not know.
//
// Input: the first byte picks the setting whose application throws (none
// from 12 on); the rest is the file.

#include "RegFileStore.h"
#include "SettingsOrder.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <unistd.h>
#include <utility>
#include <vector>

namespace fs = std::filesystem;
using namespace rundaro;

namespace {

const std::string kKey = "\\Software\\fuzz";
fs::path g_root;

[[noreturn]] void fail(const std::string &what)
{
    std::fprintf(stderr, "%s\n", what.c_str());
    std::abort();
}

// The lines of the file's one key: everything after its first "[...]" line,
// without line-end characters, empty lines and further "[...]" lines.
std::vector<std::string> keyLines(std::string_view file, bool stripAllCr)
{
    std::vector<std::string> lines;
    bool inKey = false;
    size_t start = 0;
    while (start < file.size()) {
        size_t end = file.find('\n', start);
        if (end == std::string_view::npos)
            end = file.size();
        std::string line(file.substr(start, end - start));
        start = end + 1;
        while (!line.empty() && line.back() == '\r') {
            line.pop_back();
            if (!stripAllCr)
                break;
        }
        if (!line.empty() && line[0] == '[')
            inKey = true;
        else if (inKey && !line.empty())
            lines.push_back(std::move(line));
    }
    return lines;
}

bool definesName(const std::string &line, const std::string &name)
{
    const std::string prefix = '"' + name + "\"=";
    return line.rfind(prefix, 0) == 0;
}

// The value of the first line naming `name`, when it is "dword:" and eight hex digits.
std::optional<std::uint32_t> dwordOf(const std::vector<std::string> &lines, const std::string &name)
{
    for (const auto &line : lines) {
        if (!definesName(line, name))
            continue;
        const std::string value = line.substr(name.size() + 3);
        if (value.size() != 14 || value.rfind("dword:", 0) != 0)
            return std::nullopt;
        std::uint32_t n = 0;
        for (size_t i = 6; i < 14; ++i) {
            const char c = value[i];
            const char *hex = "0123456789abcdef0123456789ABCDEF";
            const char *at = std::char_traits<char>::find(hex, 32, c);
            if (!at)
                return std::nullopt;
            n = n << 4 | std::uint32_t((at - hex) % 16);
        }
        return n;
    }
    return std::nullopt;
}

bool knownLine(const std::string &line)
{
    for (const Setting s : kReadOrder)
        if (definesName(line, SettingName(s)))
            return true;
    return false;
}

std::string readFile(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

struct Throwing
{
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Every input writes the file about a dozen times: keep it in memory when
    // the system offers a tmpfs and no other place was asked for.
    fs::path base = fs::temp_directory_path();
    if (!std::getenv("TMPDIR") && access("/dev/shm", W_OK) == 0)
        base = "/dev/shm";
    std::string templ = (base / "rundaro-fuzz-XXXXXX").string();
    if (!mkdtemp(templ.data()))
        fail("cannot make a temporary folder");
    g_root = templ;
    std::atexit([] {
        std::error_code ec;
        fs::remove_all(g_root, ec);
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const int throwAt = data[0];
    const std::string_view content(reinterpret_cast<const char *>(data) + 1, size - 1);

    RegFileStore store(g_root);
    const fs::path file = store.fileFor(kKey);
    fs::create_directories(file.parent_path());
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
    }

    // What must be applied.
    const std::vector<std::string> lines = keyLines(content, false);
    std::vector<std::pair<Setting, std::int32_t>> expected;
    for (size_t i = 0; i < kReadOrder.size(); ++i) {
        const auto v = dwordOf(lines, SettingName(kReadOrder[i]));
        if (!v || static_cast<int>(i) == throwAt)
            break;
        expected.emplace_back(kReadOrder[i], static_cast<std::int32_t>(*v));
    }

    std::vector<std::pair<Setting, std::int32_t>> applied;
    const int count = ReadSettings(store, kKey, [&](Setting s, std::int32_t v) {
        if (static_cast<int>(applied.size()) == throwAt)
            throw Throwing{};
        applied.emplace_back(s, v);
    });
    if (applied != expected || count != static_cast<int>(expected.size()))
        fail("ReadSettings applied " + std::to_string(applied.size()) + " values (returned " + std::to_string(count)
             + "), expected " + std::to_string(expected.size()));
    if (store.readDword("Port"))
        fail("the key is still open after reading");

    // Writing back: every value reads back, unknown lines stay.
    std::vector<std::string> others;
    for (const auto &line : keyLines(content, true))
        if (!knownLine(line))
            others.push_back(line);
    auto valueFor = [&](Setting s) { return static_cast<std::int32_t>(0x9e3779b9u * (unsigned(s) + 1) ^ size); };
    WriteSettings(store, kKey, valueFor);
    std::vector<std::pair<Setting, std::int32_t>> reread, written;
    for (const Setting s : kReadOrder)
        written.emplace_back(s, valueFor(s));
    ReadSettings(store, kKey, [&](Setting s, std::int32_t v) { reread.emplace_back(s, v); });
    if (reread != written)
        fail("written settings do not read back");
    std::vector<std::string> othersAfter;
    for (const auto &line : keyLines(readFile(file), true))
        if (!knownLine(line))
            othersAfter.push_back(line);
    if (othersAfter != others)
        fail("writing the settings lost or changed lines it does not own");
    return 0;
}
