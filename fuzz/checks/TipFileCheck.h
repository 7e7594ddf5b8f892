#pragma once
// Invariants of the tip file reader and its rotation on an arbitrary tip.kvt.
//
// The input is the shipped file; the user's copy does not exist at first. Then:
//  - a missing file reads as nothing and leaves the lines it was given alone;
//  - the shipped file is read until a save makes the user's copy, and no save touches it;
//  - read -> write gives the same bytes when the file ends its last line and uses one kind of
//    line break; any file reads the same lines back after one write;
//  - showOnStart is true exactly when the first line is "True";
//  - "Next Tip" shows line 3 next and keeps every line; as many turns as tips give the file back;
//  - "OK" sets line 1 to "True" or "False", keeps the tips and shows a tip not seen yet next.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

#include "Finding.h"
#include "core/app/TipFile.h"

namespace strumly::fuzz {

namespace tip_detail {

inline std::string fileBytes(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline bool same(const TipLines& a, const TipLines& b) {
  return a.lines == b.lines && a.crlf == b.crlf;
}

// Ends its last line and breaks every line the same way, so writing it back changes nothing.
inline bool canonical(const std::string& text) {
  if (text.empty()) return true;
  if (text.back() != '\n') return false;
  bool anyCr = false, allCr = true;
  for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1)) {
    const bool cr = at > 0 && text[at - 1] == '\r';
    anyCr = anyCr || cr;
    allCr = allCr && cr;
  }
  return !anyCr || allCr;
}

}  // namespace tip_detail

inline Finding checkTipFileInput(const std::uint8_t* data, std::size_t size,
                                 const std::filesystem::path& folder) {
  using namespace tip_detail;
  namespace fs = std::filesystem;
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::error_code ec;
  fs::create_directories(folder, ec);
  const fs::path shipped = folder / "shipped-tip.kvt", user = folder / "tip.kvt";
  fs::remove(shipped, ec);
  fs::remove(user, ec);
  const TipFile tips(shipped.string(), user.string());

  const TipLines untouched{{"untouched"}, true};
  TipLines into = untouched;
  if (tips.load(into) || !same(into, untouched) || tips.showOnStart())
    return "a missing tip file was read or changed the lines";

  std::ofstream(shipped, std::ios::binary) << text;
  TipLines read;
  if (tips.readPath() != shipped.string() || !tips.load(read)) return "the shipped file was not read";
  const std::string firstLine = text.substr(0, text.find('\n'));
  const bool startShow = firstLine == "True" || firstLine == "True\r";
  if (tips.showOnStart() != startShow) return "showOnStart disagrees with the first line " + shown(firstLine);

  if (auto error = tips.save(read); !error.empty()) return "save failed: " + error;
  if (tips.readPath() != user.string()) return "the user's copy is not read after a save";
  if (fileBytes(shipped) != text) return "a save changed the shipped file";
  const std::string written = fileBytes(user);
  if (canonical(text) && written != text) return "read -> write changed the bytes to " + shown(written);
  TipLines again;
  if (!tips.load(again) || !same(again, read)) return "the written file reads back different lines";

  const auto& lines = read.lines;
  const std::size_t tipCount = lines.empty() ? 0 : lines.size() - 1;
  TipRotation turning(read);
  if (turning.currentTip() != (tipCount > 0 ? lines[1] : "")) return "the current tip is not line 2";
  turning.next();
  if (tipCount > 1 && turning.currentTip() != lines[2]) return "Next Tip did not show line 3";
  if (turning.file().lines.size() != lines.size()) return "Next Tip changed the number of lines";
  // Every turn moves a line, so only short lists turn all the way round.
  if (tipCount <= 64) {
    for (std::size_t n = 1; n < tipCount; ++n) turning.next();
    if (!same(turning.file(), read)) return "as many turns as tips did not give the file back";
  }

  const bool show = (size & 1) != 0;
  TipRotation finished(read);
  finished.finish(show);
  const auto& out = finished.file().lines;
  if (finished.showAtStartup() != show || out.empty() || out[0] != (show ? "True" : "False"))
    return "OK did not set line 1 from the check box";
  if (out.size() != std::max<std::size_t>(lines.size(), 1)) return "OK changed the number of tips";
  if (finished.currentTip() != (tipCount > 1 ? lines[2] : tipCount == 1 ? lines[1] : ""))
    return "OK did not turn to a tip not seen yet";
  if (auto error = tips.save(finished.file()); !error.empty()) return "save failed: " + error;
  if (tips.showOnStart() != show) return "the saved check box does not read back";
  return {};
}

}  // namespace strumly::fuzz
