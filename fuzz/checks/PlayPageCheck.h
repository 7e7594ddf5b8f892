#pragma once
// Invariants of the play page file reader and writer on arbitrary .ppf/.rpt pairs.
//
// Input layout: a flag byte, the asked .ppf size (16 bits), the asked .rpt size (16 bits), the
// 88-byte header, then the bytes the slot area and the .rpt are tiled from. Flags:
//   bit 0  a .rpt is present
//   bit 1  the .ppf has its format's exact size (else the asked size)
//   bit 2  the .rpt has its format's exact size (else the asked size)
//   bit 3  the header carries the current mark; bit 4 (without bit 3) the older mark
// The files are written into a scratch folder, then:
//  - readPlayPage never throws and gives either a song or a message, never both;
//  - a file too short to hold the mark, or any other mark than the two, gives exactly
//    kNotAPlayPageText;
//  - it accepts exactly when the .ppf is its format's size, the tempo byte lies in 10..250, the
//    strum text is an optional minus and digits fitting an int, and the .rpt is absent or of its
//    format's size;
//  - an accepted song holds the header's fields (the strum clamped to -800..0, the bar's range),
//    every slot record the file holds (the rest free) and the markers by the rule of its format;
//  - writing that song with its saved markers gives the current format byte for byte (reserved
//    bytes zero, slots as their records), leaves no temporary file, and reads back as the same
//    song with the other signature's markers at their defaults.
#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "Finding.h"
#include "core/playpage/PlayPageFile.h"

namespace strumly::fuzz {

namespace playpage_detail {

using Bytes = std::vector<std::uint8_t>;

inline void put(const std::filesystem::path& p, const Bytes& b) {
  std::ofstream(p, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

inline Bytes get(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline bool hasText(const Bytes& b, std::size_t at, std::string_view text) {
  if (b[at] != text.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (b[at + 1 + i] != static_cast<std::uint8_t>(text[i])) return false;
  return true;
}

// The strum rule, worked out digit by digit.
inline bool strumNumber(const Bytes& h, long long& value) {
  const std::size_t length = h[17];
  if (length == 0 || length > 15) return false;
  std::size_t i = 0;
  const bool negative = h[18] == '-';
  if (negative) ++i;
  if (i == length) return false;
  value = 0;
  for (; i < length; ++i) {
    const std::uint8_t c = h[18 + i];
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
    if (value > 2147483648LL) return false;
  }
  if (negative) value = -value;
  return value >= -2147483648LL && value <= 2147483647LL;
}

template <typename F>
Finding attempt(const char* what, F f) {
  try {
    f();
  } catch (const std::exception& e) {
    return std::string(what) + " threw: " + e.what();
  } catch (...) {
    return std::string(what) + " threw";
  }
  return {};
}

inline Finding checkWriteBack(const PlayPageSong& song, const std::filesystem::path& folder) {
  namespace fs = std::filesystem;
  const fs::path out = folder / "out.ppf";
  PlayPageWriteResult written;
  if (auto f = attempt("writePlayPage", [&] { written = writePlayPage(out, song, song.savedMarkers()); });
      !f.empty())
    return f;
  if (!written.ok()) return "writing an accepted song failed: " + written.error;
  for (const char* temp : {"out.ppf.tmp", "out.rpt.tmp", "out.rpt.old"})
    if (fs::exists(folder / temp)) return std::string("a temporary file was left: ") + temp;

  const Bytes ppf = get(out);
  if (ppf.size() != kPlayPageFileSize) return "written .ppf has " + std::to_string(ppf.size()) + " bytes";
  Bytes header(88, 0);
  header[0] = song.signature == TimeSignature::ThreeFour ? 1 : 0;
  header[1] = 11;
  const std::string mark = "kv6PlayPage", strum = std::to_string(song.strumSpeed);
  for (std::size_t i = 0; i < mark.size(); ++i) header[2 + i] = static_cast<std::uint8_t>(mark[i]);
  header[17] = static_cast<std::uint8_t>(strum.size());
  for (std::size_t i = 0; i < strum.size(); ++i) header[18 + i] = static_cast<std::uint8_t>(strum[i]);
  header[85] = static_cast<std::uint8_t>(song.tempoBpm);
  header[86] = song.loop ? 1 : 0;
  header[87] = song.bass ? 1 : 0;
  for (std::size_t i = 0; i < 88; ++i)
    if (ppf[i] != header[i])
      return "written header byte " + std::to_string(i) + " is " + std::to_string(ppf[i]) + ", expected " +
             std::to_string(header[i]);
  for (std::size_t s = 0; s < kPlaySlotCount; ++s) {
    std::array<std::uint8_t, ChordDiagram::kSize> record{};
    writeRecord(song.slots[s], record);
    for (std::size_t i = 0; i < record.size(); ++i)
      if (ppf[88 * (s + 1) + i] != record[i]) return "written slot " + std::to_string(s) + " differs";
  }
  const Bytes rpt = get(folder / "out.rpt");
  const RepeatMarkers& m = song.savedMarkers();
  Bytes expectedRpt;
  for (const auto* a : {&m.startRepeat, &m.repeatCount, &m.repeatsLeft, &m.loopFlag})
    expectedRpt.insert(expectedRpt.end(), a->begin(), a->end());
  if (rpt != expectedRpt) return "written .rpt is not the four marker arrays";

  PlayPageReadResult again;
  if (auto f = attempt("readPlayPage", [&] { again = readPlayPage(out); }); !f.empty()) return f;
  if (!again.ok()) return "a written song is refused: " + again.error;
  PlayPageSong expected = song;
  expected.olderFormat = false;
  const TimeSignature other =
      song.signature == TimeSignature::ThreeFour ? TimeSignature::FourFour : TimeSignature::ThreeFour;
  (other == TimeSignature::ThreeFour ? expected.markers34 : expected.markers44) =
      RepeatMarkers::defaults(other);
  if (!(*again.song == expected)) return "a written song reads back different";
  return {};
}

}  // namespace playpage_detail

inline Finding checkPlayPageInput(const std::uint8_t* data, std::size_t size,
                                  const std::filesystem::path& folder) {
  using namespace playpage_detail;
  namespace fs = std::filesystem;
  constexpr std::size_t kControl = 5, kHeader = 88;
  std::array<std::uint8_t, kControl + kHeader> c{};
  for (std::size_t i = 0; i < c.size() && i < size; ++i) c[i] = data[i];
  const std::uint8_t* tail = size > c.size() ? data + c.size() : nullptr;
  const std::size_t tailSize = size > c.size() ? size - c.size() : 0;
  const std::uint8_t flags = c[0];

  Bytes header(c.begin() + kControl, c.end());
  auto setMark = [&](std::string_view mark) {
    header[1] = static_cast<std::uint8_t>(mark.size());
    for (std::size_t i = 0; i < mark.size(); ++i) header[2 + i] = static_cast<std::uint8_t>(mark[i]);
  };
  if (flags & 8)
    setMark(kPlayPageMark);
  else if (flags & 16)
    setMark(kOlderPlayPageMark);
  const bool current = hasText(header, 1, kPlayPageMark), older = hasText(header, 1, kOlderPlayPageMark);

  const std::size_t ppfSize = (flags & 2) ? (older ? kOlderPlayPageFileSize : kPlayPageFileSize)
                                          : (c[1] | c[2] << 8) % (kPlayPageFileSize + 2);
  const bool rptPresent = flags & 1;
  const std::size_t rptSize = (flags & 4) ? (older ? kOlderRepeatFileSize : kRepeatFileSize)
                                          : (c[3] | c[4] << 8) % (kRepeatFileSize + 2);
  Bytes ppf(ppfSize, 0), rpt(rptSize, 0);
  for (std::size_t i = 0; i < ppfSize; ++i)
    ppf[i] = i < kHeader ? header[i] : tailSize ? tail[(i - kHeader) % tailSize] : 0;
  for (std::size_t i = 0; i < rptSize; ++i) rpt[i] = tailSize ? tail[(i + 7919) % tailSize] : 0;

  std::error_code ec;
  fs::create_directories(folder, ec);
  for (const auto& entry : fs::directory_iterator(folder, ec)) fs::remove_all(entry.path(), ec);
  const fs::path in = folder / "in.ppf";
  put(in, ppf);
  if (rptPresent) put(folder / "in.rpt", rpt);

  PlayPageReadResult read;
  if (auto f = attempt("readPlayPage", [&] { read = readPlayPage(in); }); !f.empty()) return f;
  if (read.song.has_value() == !read.error.empty()) return "a read gave both or neither of song and message";

  const bool ours = ppfSize >= 17 && (current || older);
  if (!ours) return read.error == kNotAPlayPageText ? "" : "a foreign file gave " + shown(read.error);
  long long strum = 0;
  const bool acceptable = ppfSize == (older ? kOlderPlayPageFileSize : kPlayPageFileSize) &&
                          header[85] >= 10 && header[85] <= 250 && strumNumber(header, strum) &&
                          (!rptPresent || rptSize == (older ? kOlderRepeatFileSize : kRepeatFileSize));
  if (acceptable != read.ok())
    return acceptable ? "a sound file was refused: " + read.error : "a damaged file was accepted";
  if (!read.ok()) return read.error == kNotAPlayPageText ? "a damaged play page was called foreign" : "";

  const PlayPageSong& s = *read.song;
  if (s.olderFormat != older || s.tempoBpm != header[85] ||
      s.strumSpeed != std::clamp<long long>(strum, -800, 0) ||
      (s.signature == TimeSignature::ThreeFour) != (header[0] != 0) || s.loop != (header[86] == 1) ||
      s.bass != (header[87] == 1))
    return "header fields differ from the file";
  const std::size_t slots = older ? kOlderSlotCount : kPlaySlotCount;
  for (std::size_t i = 0; i < kPlaySlotCount; ++i) {
    const ChordDiagram expected = i < slots
                                      ? readChordDiagram(std::span<const std::uint8_t, ChordDiagram::kSize>(
                                            ppf.data() + 88 * (i + 1), ChordDiagram::kSize))
                                      : ChordDiagram{};
    if (!(s.slots[i] == expected)) return "slot " + std::to_string(i) + " differs from the file";
  }

  RepeatMarkers m34 = RepeatMarkers::defaults(TimeSignature::ThreeFour);
  RepeatMarkers m44 = RepeatMarkers::defaults(TimeSignature::FourFour);
  if (rptPresent) {
    if (older) {
      m34.loopFlag[47] = 0;
      m44.loopFlag[35] = 0;
    }
    RepeatMarkers& target = s.signature == TimeSignature::ThreeFour ? m34 : m44;
    const std::size_t n = older ? 12 : 48;
    for (std::size_t i = 0; i < n; ++i) {
      target.startRepeat[i] = rpt[i];
      target.repeatCount[i] = rpt[n + i];
      target.repeatsLeft[i] = rpt[2 * n + i];
      target.loopFlag[i] = rpt[3 * n + i];
    }
  }
  if (!(s.markers34 == m34) || !(s.markers44 == m44)) return "markers differ from the file's rule";

  return checkWriteBack(s, folder);
}

}  // namespace strumly::fuzz
