#include "RegFileStore.h"

#include "Errors.h"
#include "WholeFileReplace.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>

namespace rundaro {

namespace fs = std::filesystem;

namespace {

constexpr const char *kFileHeader = "Windows Registry Editor Version 5.00";
constexpr const char *kRoot = "HKEY_CURRENT_USER";

std::string quoted(const std::string &name)
{
    return '"' + name + '"';
}

// The value part of `line` when it stores `name`, else nothing.
std::optional<std::string> valueOf(const std::string &line, const std::string &name)
{
    const std::string prefix = quoted(name) + '=';
    if (line.compare(0, prefix.size(), prefix) != 0)
        return std::nullopt;
    return line.substr(prefix.size());
}

std::vector<std::string> keyParts(const std::string &key)
{
    std::vector<std::string> parts;
    std::string part;
    for (const char c : key + '\\') {
        if (c == '\\' || c == '/') {
            if (!part.empty() && part != "." && part != "..")
                parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    return parts;
}

} // namespace

RegFileStore::RegFileStore(fs::path root)
    : m_root(std::move(root))
{
}

fs::path RegFileStore::defaultRoot()
{
    if (const char *xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/')
        return xdg;
    if (const char *home = std::getenv("HOME"); home && *home)
        return fs::path(home) / ".config";
    return fs::temp_directory_path();
}

fs::path RegFileStore::fileFor(const std::string &key) const
{
    std::vector<std::string> parts = keyParts(key);
    if (!parts.empty() && parts.front() == "Software")
        parts.erase(parts.begin());
    fs::path file = m_root;
    for (const auto &part : parts)
        file /= part;
    return file / "settings.reg";
}

bool RegFileStore::load(const fs::path &file)
{
    std::ifstream in(file);
    if (!in)
        return false;
    std::string line;
    bool inKey = false;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && line.front() == '[') {
            inKey = true; // one key a file: its header is rewritten on save
            continue;
        }
        if (inKey && !line.empty())
            m_lines.push_back(line);
    }
    return true;
}

bool RegFileStore::openKeyForRead(const std::string &key)
{
    closeKey();
    m_file = fileFor(key);
    const auto first = key.find_first_not_of('\\');
    m_header = std::string("[") + kRoot + '\\' + (first == std::string::npos ? std::string() : key.substr(first)) + ']';
    m_open = load(m_file);
    return m_open;
}

bool RegFileStore::openKeyForWrite(const std::string &key)
{
    if (!openKeyForRead(key) && fs::exists(m_file))
        return false; // there, but not readable: do not overwrite it
    std::error_code ec;
    fs::create_directories(m_file.parent_path(), ec);
    m_open = !ec;
    return m_open;
}

std::optional<std::uint32_t> RegFileStore::readDword(const std::string &name)
{
    if (!m_open)
        return std::nullopt;
    for (const auto &line : m_lines) {
        const auto value = valueOf(line, name);
        if (!value)
            continue;
        // Exactly "dword:" and eight hex digits; anything else is another type.
        constexpr std::string_view tag = "dword:";
        if (value->size() != tag.size() + 8 || value->compare(0, tag.size(), tag) != 0)
            return std::nullopt;
        std::uint32_t number = 0;
        for (const char c : value->substr(tag.size())) {
            int digit;
            if (c >= '0' && c <= '9')
                digit = c - '0';
            else if (c >= 'a' && c <= 'f')
                digit = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F')
                digit = c - 'A' + 10;
            else
                return std::nullopt;
            number = number * 16 + std::uint32_t(digit);
        }
        return number;
    }
    return std::nullopt;
}

bool RegFileStore::setLine(const std::string &name, std::uint32_t value)
{
    if (!m_open)
        throw Exception("Failed to set data for '" + name + "'");
    char text[16];
    std::snprintf(text, sizeof text, "dword:%08x", value);
    const std::string line = quoted(name) + '=' + text;
    for (auto &existing : m_lines) {
        if (valueOf(existing, name)) {
            if (existing == line)
                return false;
            existing = line;
            return true;
        }
    }
    m_lines.push_back(line);
    return true;
}

void RegFileStore::writeDword(const std::string &name, std::uint32_t value)
{
    if (setLine(name, value))
        save();
}

// Each replacement of the file waits for the disk twice (the file, then its
// folder), so the window's settings, written at each race start and at the
// end, go to the disk in one replacement, not one for each value.
void RegFileStore::writeDwords(const std::vector<std::pair<std::string, std::uint32_t>> &values)
{
    bool changed = false;
    for (const auto &[name, value] : values)
        changed = setLine(name, value) || changed;
    if (changed)
        save();
}

void RegFileStore::save() const
{
    std::string text = std::string(kFileHeader) + "\n\n" + m_header + '\n';
    for (const auto &line : m_lines)
        text += line + '\n';
    // Whole or not at all, also across a power cut or a full disk.
    if (ReplaceWholeFile(m_file, text))
        throw Exception("Failed to set data in " + m_file.string());
}

void RegFileStore::closeKey()
{
    m_open = false;
    m_lines.clear();
}

} // namespace rundaro
