#pragma once
// A harness check returns the first broken invariant as text, or nothing when the input was handled
// soundly. The fuzz targets abort on a finding (so libFuzzer keeps the input); the corpus tests
// report it as an ordinary test failure.
#include <cstdio>
#include <cstdlib>
#include <string>

namespace strumly::fuzz {

using Finding = std::string;  // empty = no finding

inline void abortOnFinding(const Finding& finding) {
  if (finding.empty()) return;
  std::fprintf(stderr, "\n==strumly-fuzz== invariant broken: %s\n", finding.c_str());
  std::abort();
}

// Printable form of a short byte string for finding messages.
inline std::string shown(const std::string& s) {
  std::string out = "\"";
  for (unsigned char c : s.substr(0, 80)) {
    if (c >= 0x20 && c < 0x7f && c != '"' && c != '\\') {
      out += static_cast<char>(c);
    } else {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\x%02x", c);
      out += buf;
    }
  }
  if (s.size() > 80) out += "...";
  return out + "\"";
}

}  // namespace strumly::fuzz
