#pragma once
// Plain-text tab as the tab page holds it: one std::u32string per line, so that one character is
// one column whatever the file's encoding. Text from the web comes in UTF-8 (with or without a
// byte-order mark), in Latin-1, or in a mix of both, with any of the three line ends.
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace strumly {

using TabLine = std::u32string;
using TabLines = std::vector<TabLine>;

// Bytes to lines. UTF-8 is decoded where it is valid; every byte that does not belong to a valid
// UTF-8 sequence is taken as Latin-1 (so any file reads, and nothing is lost). A leading BOM is
// dropped. CR LF, LF and a lone CR each end a line; a line end at the very end of the text adds
// no empty line, so "a\r\n" is one line and "" none.
TabLines decodeTabText(std::string_view bytes);

// Lines to bytes: UTF-8, each line followed by CR LF (the form every file of the page is written in).
std::string encodeTabText(const TabLines& lines);

// One line <-> UTF-8 (for labels, messages and tests). fromUtf8 falls back to Latin-1 like
// decodeTabText; it does not split lines.
std::string toUtf8(std::u32string_view text);
TabLine fromUtf8(std::string_view text);

// Tab is text of some kilobytes; the readers stop beyond this, so that a device such as /dev/zero
// named as a tab cannot fill the memory.
constexpr std::size_t kMaxTabFileBytes = 16 * 1024 * 1024;

// False for bytes no editor would show as text: a NUL byte anywhere, or more control characters
// (other than tab, line ends and form feed) than anything else. Latin-1 and UTF-8 both pass.
bool isPlainText(std::string_view bytes);

struct TabTextReadResult {
  bool ok = false;
  TabLines lines;
  std::string error;  // the reason when the file could not be read
};
// Reads and decodes a whole file. A folder, an unreadable or too large file, or one that is not
// plain text (isPlainText; then "<path> is not a text file.") is refused with the reason.
TabTextReadResult readTabTextFile(const std::filesystem::path& path);

// Writes the lines (encodeTabText) through a temporary file renamed over `path`, so a failed
// save never leaves half a file. Empty on success, else the reason.
std::string writeTabTextFile(const std::filesystem::path& path, const TabLines& lines);

}  // namespace strumly
