#pragma once
// Reading a file the user named, without letting the stream library's exceptions out: a folder,
// a missing file or a read error comes back as a sentence that names the file and gives the
// system's reason ("Cannot open songs: Is a directory.").
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace strumly {

// The file's first `limit` bytes; nothing, with `error` set, when it cannot be opened or read.
std::optional<std::string> readWholeFile(const std::filesystem::path& path, std::string& error,
                                         std::size_t limit = static_cast<std::size_t>(-1));

}  // namespace strumly
