#pragma once

#include <filesystem>
#include <string_view>
#include <system_error>

namespace rundaro {

// Replaces `file` with `bytes`, whole or not at all: the bytes go to a
// temporary file of a name no one else uses beside it, every write and the
// sync to the disk are checked, and only then is it renamed over `file`.
// A failure (a full disk among them) leaves `file` as it was, its last
// whole version, and no temporary file behind; a file that did not exist is
// not created. An existing file keeps its permissions; a new one gets those
// the user's file-creation mask allows. Returns the system's error, or none.
std::error_code ReplaceWholeFile(const std::filesystem::path &file, std::string_view bytes);

// True when `error` says the disk (or the user's share of it) is full.
bool IsDiskFull(const std::error_code &error);

} // namespace rundaro
