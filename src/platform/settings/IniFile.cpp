#include "platform/settings/IniFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <system_error>
#include <utility>

#include "core/common/ReadWholeFile.h"

namespace strumly {
namespace {

constexpr std::size_t kMaxValueLength = 1023;
constexpr std::size_t kMaxSectionNamesLength = 8192;

std::string trim(const std::string& s) {
  const char* ws = " \t\r\n";
  auto b = s.find_first_not_of(ws);
  if (b == std::string::npos) return {};
  auto e = s.find_last_not_of(ws);
  return s.substr(b, e - b + 1);
}

bool equalNoCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

// The file's lines, and in `lineEnd` the break its first line ends with, so a rewrite keeps the
// file as its author wrote it (the shipped file and a new one break with LF, a file written on
// Windows with CR LF).
std::vector<std::string> readLines(const std::string& fileName, std::string* lineEnd = nullptr) {
  std::vector<std::string> lines;
  if (lineEnd) *lineEnd = "\n";
  std::string error;  // a missing or unreadable file holds no lines
  const std::optional<std::string> bytes = readWholeFile(fileName, error);
  if (!bytes) return lines;
  for (std::size_t from = 0; from < bytes->size();) {
    const std::size_t end = std::min(bytes->find('\n', from), bytes->size());
    std::string line = bytes->substr(from, end - from);
    const bool crlf = !line.empty() && line.back() == '\r';
    if (crlf) line.pop_back();
    if (lineEnd && lines.empty() && crlf) *lineEnd = "\r\n";
    lines.push_back(std::move(line));
    from = end + 1;
  }
  return lines;
}

// "[name]" lines open a section; returns the name, or nothing for other lines.
std::optional<std::string> sectionHeader(const std::string& line) {
  std::string t = trim(line);
  if (t.size() < 2 || t.front() != '[') return std::nullopt;
  auto close = t.find(']');
  if (close == std::string::npos) return std::nullopt;
  return trim(t.substr(1, close - 1));
}

struct Entry {
  std::string key;
  std::string value;
};

std::optional<Entry> entryOf(const std::string& line) {
  std::string t = trim(line);
  if (t.empty() || t.front() == ';') return std::nullopt;
  auto eq = t.find('=');
  if (eq == std::string::npos) return Entry{t, {}};
  return Entry{trim(t.substr(0, eq)), trim(t.substr(eq + 1))};
}

// Index range [begin, end) of a section's body lines, begin pointing at the header.
struct SectionSpan {
  std::size_t header;
  std::size_t end;
};

std::optional<SectionSpan> findSection(const std::vector<std::string>& lines, const std::string& section) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    auto name = sectionHeader(lines[i]);
    if (!name || !equalNoCase(*name, section)) continue;
    std::size_t j = i + 1;
    while (j < lines.size() && !sectionHeader(lines[j])) ++j;
    return SectionSpan{i, j};
  }
  return std::nullopt;
}

// Values come from the user (folder names, chord names); a line break in one would start a new
// line in the file and could forge entries or sections, so it is stored as a blank.
std::string oneLine(std::string text) {
  std::replace(text.begin(), text.end(), '\r', ' ');
  std::replace(text.begin(), text.end(), '\n', ' ');
  return text;
}

// Reading trims blanks and drops one pair of surrounding quotes, so a value that starts or ends
// with a blank or a quote (a folder named "Tabs " or "'old'") is stored inside quotes, which the
// read then drops again: every text comes back as written.
std::string storedValue(const std::string& value) {
  if (value.empty()) return value;
  const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
  const auto isQuote = [](char c) { return c == '"' || c == '\''; };
  if (isBlank(value.front()) || isBlank(value.back()) || isQuote(value.front()) || isQuote(value.back()))
    return '"' + value + '"';
  return value;
}

void writeLines(const std::string& fileName, const std::vector<std::string>& lines,
                const std::string& lineEnd) {
  // Write beside the file and rename over it, so a full disk never leaves a half-written file.
  std::string temp = fileName + ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) throw IniWriteError(fileName);
    for (const auto& l : lines) out << l << lineEnd;
    out.flush();
    if (!out) {
      std::error_code ec;
      std::filesystem::remove(temp, ec);
      throw IniWriteError(fileName);
    }
  }
  std::error_code ec;
  std::filesystem::rename(temp, fileName, ec);
  if (ec) {
    std::filesystem::remove(temp, ec);
    throw IniWriteError(fileName);
  }
}

}  // namespace

IniWriteError::IniWriteError(const std::string& fileName)
    : std::runtime_error("Unable to write to " + fileName), fileName_(fileName) {}

bool IniFile::parseInteger(const std::string& raw, int& value) {
  std::string text = trim(raw);
  if (text.empty()) return false;
  int base = 10;
  std::string digits = text;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    digits = text.substr(2);
  }
  errno = 0;
  char* end = nullptr;
  long long v = std::strtoll(digits.c_str(), &end, base);
  if (end == digits.c_str() || *end != '\0' || errno == ERANGE) return false;
  // Hex values are 32-bit patterns ("0xFFFFFFFF" is -1); decimal values must fit.
  if (base == 16) {
    if (digits[0] == '-' || digits[0] == '+' || v > 0xFFFFFFFFLL) return false;
    value = static_cast<int>(static_cast<std::uint32_t>(v));
    return true;
  }
  if (v < INT32_MIN || v > INT32_MAX) return false;
  value = static_cast<int>(v);
  return true;
}

std::string IniFile::readString(const std::string& section, const std::string& key,
                                const std::string& def) const {
  auto lines = readLines(fileName_);
  auto span = findSection(lines, section);
  if (!span) return def;
  for (std::size_t i = span->header + 1; i < span->end; ++i) {
    auto e = entryOf(lines[i]);
    if (e && equalNoCase(e->key, key)) {
      std::string v = e->value;
      // Surrounding quotes are dropped, as the system's profile reader does.
      if (v.size() >= 2 && ((v.front() == '"' && v.back() == '"') || (v.front() == '\'' && v.back() == '\'')))
        v = v.substr(1, v.size() - 2);
      if (v.size() > kMaxValueLength) v.resize(kMaxValueLength);
      return v;
    }
  }
  return def;
}

int IniFile::readInteger(const std::string& section, const std::string& key, int def) const {
  int v = def;
  return parseInteger(readString(section, key, ""), v) ? v : def;
}

bool IniFile::readBool(const std::string& section, const std::string& key, bool def) const {
  return readInteger(section, key, def ? 1 : 0) != 0;
}

std::vector<std::string> IniFile::readSection(const std::string& section) const {
  std::vector<std::string> keys;
  auto lines = readLines(fileName_);
  auto span = findSection(lines, section);
  if (!span) return keys;
  std::size_t total = 0;
  for (std::size_t i = span->header + 1; i < span->end; ++i) {
    auto e = entryOf(lines[i]);
    if (!e || e->key.empty()) continue;
    total += e->key.size() + 1;
    if (total > kMaxSectionNamesLength) break;
    keys.push_back(e->key);
  }
  return keys;
}

bool IniFile::sectionExists(const std::string& section) const {
  return findSection(readLines(fileName_), section).has_value();
}

void IniFile::writeString(const std::string& section, const std::string& key, const std::string& value) {
  std::string lineEnd;
  auto lines = readLines(fileName_, &lineEnd);
  auto span = findSection(lines, section);
  const std::string entry = key + "=" + storedValue(oneLine(value));
  if (!span) {
    if (!lines.empty() && !trim(lines.back()).empty()) lines.emplace_back();
    lines.push_back("[" + oneLine(section) + "]");
    lines.push_back(entry);
  } else {
    bool done = false;
    std::size_t last = span->header;
    for (std::size_t i = span->header + 1; i < span->end; ++i) {
      auto e = entryOf(lines[i]);
      if (!trim(lines[i]).empty()) last = i;
      if (e && equalNoCase(e->key, key)) {
        lines[i] = entry;
        done = true;
        break;
      }
    }
    if (!done) lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(last + 1), entry);
  }
  writeLines(fileName_, lines, lineEnd);
}

void IniFile::writeInteger(const std::string& section, const std::string& key, int value) {
  writeString(section, key, std::to_string(value));
}

void IniFile::writeBool(const std::string& section, const std::string& key, bool value) {
  writeString(section, key, value ? "1" : "0");
}

void IniFile::eraseSection(const std::string& section) {
  std::string lineEnd;
  auto lines = readLines(fileName_, &lineEnd);
  // A hand-edited file may repeat a section; all of them go, or the next read would find the
  // later copy's stale entries.
  bool erased = false;
  while (auto span = findSection(lines, section)) {
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(span->header),
                lines.begin() + static_cast<std::ptrdiff_t>(span->end));
    erased = true;
  }
  if (erased) writeLines(fileName_, lines, lineEnd);
}

}  // namespace strumly
