#pragma once
// Invariants of the settings store (IniFile) on an arbitrary Kv.ini.
//
// Input layout: the settings file's bytes, optionally followed by "\0\0" and a write request
// "section\x01key\x01value". The file is written to a scratch path, then:
//  - no read throws, whatever the file holds;
//  - readSection lists clean key names (non-empty, trimmed, no '=' or line feed, not a comment),
//    within the 8192-character budget, and each listed key reads back as some value;
//  - readInteger / readBool agree with parseInteger on the text readString returns;
//  - a write gives its value back (line breaks as blanks, cut to 1023) and changes no other entry;
//  - integer and boolean writes read back exactly;
//  - after eraseSection the section is gone and every other entry is unchanged.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "Finding.h"
#include "platform/settings/IniFile.h"

namespace strumly::fuzz {

namespace ini_detail {

inline std::string trimmed(const std::string& s) {
  const char* ws = " \t\r\n";
  auto b = s.find_first_not_of(ws);
  if (b == std::string::npos) return {};
  return s.substr(b, s.find_last_not_of(ws) - b + 1);
}

inline std::string lower(std::string s) {
  for (auto& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// Section and key names the program writes are plain words; reduce fuzz text to such a name.
inline std::string plainName(const std::string& raw, const char* fallback) {
  std::string out;
  for (unsigned char c : raw) {
    if (c > 0x20 && c < 0x7f && c != '[' && c != ']' && c != '=' && c != ';' && c != '"' && c != '\'')
      out += static_cast<char>(c);
    if (out.size() == 24) break;
  }
  return out.empty() ? fallback : out;
}

// What readString gives back for a written value: the value itself, with line breaks stored as
// blanks, cut to 1023 characters.
inline std::string expectedReadBack(std::string v) {
  std::replace(v.begin(), v.end(), '\r', ' ');
  std::replace(v.begin(), v.end(), '\n', ' ');
  if (v.size() > 1023) v.resize(1023);
  return v;
}

// Section names as a plain scan of the text sees them: "[name]" lines, at most `limit` distinct.
inline std::vector<std::string> sectionNames(const std::string& text, std::size_t limit) {
  std::vector<std::string> names;
  std::size_t pos = 0;
  while (pos < text.size() && names.size() < limit) {
    std::size_t nl = text.find('\n', pos);
    std::string line = trimmed(text.substr(pos, nl == std::string::npos ? std::string::npos : nl - pos));
    pos = nl == std::string::npos ? text.size() : nl + 1;
    if (line.size() < 2 || line.front() != '[') continue;
    auto close = line.find(']');
    if (close == std::string::npos) continue;
    std::string name = trimmed(line.substr(1, close - 1));
    bool seen =
        std::any_of(names.begin(), names.end(), [&](const auto& n) { return lower(n) == lower(name); });
    if (!seen) names.push_back(name);
  }
  return names;
}

using Snapshot = std::map<std::pair<std::string, std::string>, std::string>;  // (section, key) -> value

constexpr const char* kAbsent = "\n<absent>\n";  // no stored value can hold a line break

}  // namespace ini_detail

inline Finding checkIniInput(const std::uint8_t* data, std::size_t size, const std::string& scratchPath) {
  using namespace ini_detail;
  std::string input(reinterpret_cast<const char*>(data), size);
  std::string fileText = input, request;
  if (auto sep = input.find(std::string("\0\0", 2)); sep != std::string::npos) {
    fileText = input.substr(0, sep);
    request = input.substr(sep + 2);
  }
  std::string reqSection = "Main", reqKey = "Bass", reqValue = "1";
  if (!request.empty()) {
    auto a = request.find('\x01');
    auto b = a == std::string::npos ? std::string::npos : request.find('\x01', a + 1);
    reqSection = plainName(request.substr(0, a), "Main");
    if (a != std::string::npos)
      reqKey = plainName(request.substr(a + 1, b == std::string::npos ? b : b - a - 1), "Bass");
    if (b != std::string::npos) reqValue = request.substr(b + 1);
  }

  if (FILE* f = std::fopen(scratchPath.c_str(), "wb")) {
    std::fwrite(fileText.data(), 1, fileText.size(), f);
    std::fclose(f);
  } else {
    return "cannot write scratch file " + scratchPath;
  }

  IniFile ini(scratchPath);
  try {
    auto sections = sectionNames(fileText, 3);
    sections.push_back(reqSection);

    // Reads of whatever the file holds.
    Snapshot before;
    for (const auto& s : sections) {
      auto keys = ini.readSection(s);
      std::size_t budget = 0;
      for (const auto& k : keys) {
        budget += k.size() + 1;
        if (k.empty() || k != trimmed(k) || k.find_first_of("=\n") != std::string::npos || k.front() == ';')
          return "readSection(" + shown(s) + ") listed an unusable key " + shown(k);
      }
      if (budget > 8192) return "readSection(" + shown(s) + ") exceeded the 8192-character budget";
      if (!keys.empty() && !ini.sectionExists(s)) return "keys listed for a missing section " + shown(s);
      // Every file read costs a syscall round; a few entries per section keep a million runs short.
      for (std::size_t i = 0; i < keys.size() && i < 2 && before.size() < 4; ++i) {
        std::string v = ini.readString(s, keys[i], kAbsent);
        if (v == kAbsent) return "listed key " + shown(keys[i]) + " in " + shown(s) + " does not read";
        if (v.size() > 1023) return "readString longer than 1023 characters";
        before[{lower(s), lower(keys[i])}] = v;
      }
      if (!keys.empty()) {
        const auto& k = keys.front();
        std::string text = ini.readString(s, k, "");
        int parsed = 0;
        bool ok = IniFile::parseInteger(text, parsed);
        // The defaults alternate with the input's length so both fallbacks get exercised.
        const bool odd = (size & 1) != 0;
        const int def = odd ? 7 : -7;
        if (ini.readInteger(s, k, def) != (ok ? parsed : def))
          return "readInteger disagrees with parseInteger on " + shown(text);
        if (ini.readBool(s, k, odd) != (ok ? parsed != 0 : odd))
          return "readBool disagrees with parseInteger on " + shown(text);
      }
    }

    auto unchangedExcept = [&](const std::string& section, const std::string* key) -> Finding {
      for (const auto& [where, value] : before) {
        if (where.first == lower(section) && (key == nullptr || where.second == lower(*key))) continue;
        std::string now = ini.readString(where.first, where.second, kAbsent);
        if (now != value)
          return "entry " + shown(where.first) + "/" + shown(where.second) + " changed from " + shown(value) +
                 " to " + shown(now);
      }
      return {};
    };

    // A text write gives its value back and leaves every other entry alone.
    ini.writeString(reqSection, reqKey, reqValue);
    std::string got = ini.readString(reqSection, reqKey, kAbsent);
    if (got != expectedReadBack(reqValue))
      return "writeString(" + shown(reqSection) + ", " + shown(reqKey) + ", " + shown(reqValue) +
             ") read back " + shown(got);
    if (auto f = unchangedExcept(reqSection, &reqKey); !f.empty()) return "after writeString: " + f;

    // Integer and boolean writes read back exactly.
    int number = static_cast<int>(size * 2654435761u);
    ini.writeInteger(reqSection, reqKey, number);
    if (ini.readInteger(reqSection, reqKey, number ^ 1) != number) return "writeInteger did not read back";
    ini.writeBool(reqSection, reqKey, (size & 1) != 0);
    if (ini.readBool(reqSection, reqKey, (size & 1) == 0) != ((size & 1) != 0))
      return "writeBool did not read back";

    // Erasing a section removes all of it and nothing else.
    ini.eraseSection(reqSection);
    if (ini.sectionExists(reqSection) || !ini.readSection(reqSection).empty() ||
        ini.readString(reqSection, reqKey, kAbsent) != kAbsent)
      return "section " + shown(reqSection) + " survived eraseSection";
    if (auto f = unchangedExcept(reqSection, nullptr); !f.empty()) return "after eraseSection: " + f;
  } catch (const std::exception& e) {
    return std::string("exception: ") + e.what();
  }
  return {};
}

}  // namespace strumly::fuzz
