#pragma once

#include "SettingsStore.h"

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace rundaro {

// Keeps each key in a small text file in the layout of an exported registry
// key, so a user can read and edit it:
//
//     [HKEY_CURRENT_USER\Software\rundaro]
//     "Port"=dword:00000003
//
// The key "\Software\<name>" lives in <root>/<name>/settings.reg, where root
// is the user's configuration folder. Every write replaces the file as a
// whole (written beside it under a name of its own, on the disk, then
// renamed), so neither a crash nor a power cut leaves half a file; lines
// the program does not know are kept. A write that leaves every value as
// the file has it leaves the file alone, and the values written together
// replace it once.
class RegFileStore : public SettingsStore
{
public:
    explicit RegFileStore(std::filesystem::path root);

    // $XDG_CONFIG_HOME, else $HOME/.config.
    static std::filesystem::path defaultRoot();

    // Where `key` is kept.
    std::filesystem::path fileFor(const std::string &key) const;

    bool openKeyForRead(const std::string &key) override;
    bool openKeyForWrite(const std::string &key) override;
    std::optional<std::uint32_t> readDword(const std::string &name) override;
    void writeDword(const std::string &name, std::uint32_t value) override;
    void writeDwords(const std::vector<std::pair<std::string, std::uint32_t>> &values) override;
    void closeKey() override;

private:
    bool load(const std::filesystem::path &file);
    // Sets the value's line; false when it already held that value.
    bool setLine(const std::string &name, std::uint32_t value);
    void save() const;

    std::filesystem::path m_root;
    std::filesystem::path m_file;
    std::string m_header;
    std::vector<std::string> m_lines; // the key's lines after its header
    bool m_open = false;
};

} // namespace rundaro
