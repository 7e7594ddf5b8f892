#pragma once
// Invariants of the four page file readers (.cpf, .gpr/.prf, .cds, .spf) on arbitrary bytes.
//
// Input layout: a flag byte, then the file. Flags: bits 0-1 pick a kind whose mark is stamped into
// the file's header when bit 2 is set (so fuzzing reaches the record parts); the file is
// zero-padded to that kind's size when bit 3 is set. Every reader then reads the same file into
// a page in a known state:
//  - it refuses with exactly its "This is not ..." message when the file does not start with its
//    mark (length byte and characters), with another message when the file is shorter than its
//    records, and accepts otherwise;
//  - a refused file leaves every holder exactly as it was;
//  - an accepted page written back gives the file's records byte for byte (text length bytes
//    beyond their fields cut), a zero header with the mark, and reads back to the same page;
//  - the selection state follows the file: chord sets are the complete sets from the top,
//    printPageCell is the first used cell in row order, designChord the first used slot (or the
//    old one), scale sets stop at the first empty record.
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "Finding.h"
#include "core/pages/PageFiles.h"

namespace strumly::fuzz {

namespace pagefiles_detail {

using Bytes = std::vector<std::uint8_t>;

inline bool sameHolders(const PageHolders& a, const PageHolders& b) {
  return a.chordPage == b.chordPage && a.chordSetCount == b.chordSetCount && a.designGroup == b.designGroup &&
         a.scalePage == b.scalePage && a.scaleSetCount == b.scaleSetCount && a.printPage == b.printPage &&
         a.designChord == b.designChord && a.heldChord == b.heldChord && a.heldCell == b.heldCell &&
         a.chordPageChord == b.chordPageChord && a.printPageCell == b.printPageCell &&
         a.currentScale == b.currentScale;
}

// A page that is not fresh, so that "unchanged" and "replaced" can be told apart.
inline PageHolders knownPage() {
  PageHolders h;
  h.reset();
  ChordDiagram c;
  c.empty = 0;
  c.name = "known";
  h.chordAt(0, 0) = c;
  h.chordSetCount = 1;
  h.chordPageChord = c;
  h.designGroup[3] = c;
  h.designChord = c;
  h.heldChord = c;
  h.scalePage[0].empty = 0;
  h.scalePage[0].name = "known";
  h.scaleSetCount = 1;
  h.cellAt(2, 2).empty = 0;
  h.printPageCell = h.cellAt(2, 2);
  return h;
}

// A record image after reading and writing: text length bytes cut to their fields.
template <typename Read, std::size_t N>
std::array<std::uint8_t, N> settled(const std::uint8_t* at, Read read) {
  std::array<std::uint8_t, N> out{};
  writeRecord(read(std::span<const std::uint8_t, N>(at, N)), std::span<std::uint8_t, N>(out));
  return out;
}

template <typename Read, std::size_t N>
Finding checkWriteBack(const Bytes& file, const Bytes& written, const PageFileFormat& format, Read read,
                       std::size_t records) {
  if (written.size() != format.fileSize()) return std::string(format.title) + ": written size differs";
  Bytes header(format.recordSize, 0);
  header[format.markOffset] = static_cast<std::uint8_t>(std::strlen(format.mark));
  std::memcpy(header.data() + format.markOffset + 1, format.mark, std::strlen(format.mark));
  if (!std::equal(header.begin(), header.end(), written.begin()))
    return std::string(format.title) + ": written header is not the bare mark";
  for (std::size_t r = 0; r < records; ++r) {
    auto expected = settled<Read, N>(file.data() + N * (r + 1), read);
    if (!std::equal(expected.begin(), expected.end(),
                    written.begin() + static_cast<std::ptrdiff_t>(N * (r + 1))))
      return std::string(format.title) + ": record " + std::to_string(r) + " written back differs";
  }
  return {};
}

template <typename ReadFile, typename WriteFile>
Finding checkReader(const Bytes& file, const PageFileFormat& format, ReadFile readFile, WriteFile writeFile,
                    PageHolders& page, bool& accepted) {
  const PageHolders before = page;
  const std::optional<std::string> error = readFile(file, page);
  accepted = !error;
  const std::size_t n = std::strlen(format.mark);
  const bool marked = file.size() > format.markOffset + n && file[format.markOffset] == n &&
                      std::memcmp(file.data() + format.markOffset + 1, format.mark, n) == 0;
  const std::string title = format.title;
  if (!marked) {
    if (error != std::string(format.notThisKind))
      return title + ": a foreign file gave " + shown(error.value_or(""));
  } else if (file.size() < format.fileSize()) {
    if (!error || *error == format.notThisKind) return title + ": a short file was not refused as damaged";
  } else if (error) {
    return title + ": a sound file was refused: " + *error;
  }
  if (error) return sameHolders(before, page) ? "" : title + ": a refused file changed the page";

  const Bytes written = writeFile(page);
  PageHolders again = page;
  if (readFile(written, again) || !sameHolders(again, page))
    return title + ": the written page reads back different";
  return {};
}

}  // namespace pagefiles_detail

inline Finding checkPageFilesInput(const std::uint8_t* data, std::size_t size) {
  using namespace pagefiles_detail;
  if (size == 0) return {};
  const std::uint8_t flags = data[0];
  Bytes file(data + 1, data + size);
  const PageFileFormat& stamped = pageFileFormat(static_cast<PageFileKind>(flags & 3));
  if (flags & 8 && file.size() < stamped.fileSize()) file.resize(stamped.fileSize(), 0);
  if (flags & 4 && file.size() > stamped.markOffset + std::strlen(stamped.mark)) {
    file[stamped.markOffset] = static_cast<std::uint8_t>(std::strlen(stamped.mark));
    std::memcpy(file.data() + stamped.markOffset + 1, stamped.mark, std::strlen(stamped.mark));
  }
  constexpr std::size_t kC = ChordDiagram::kSize, kS = ScaleDiagram::kSize, kP = PrintCell::kSize;
  const PageHolders known = knownPage();
  bool accepted = false;

  PageHolders chords = known;
  if (auto f = checkReader(file, kChordPageFormat, readChordPageFile, writeChordPageFile, chords, accepted);
      !f.empty())
    return f;
  if (accepted) {
    if (auto f = checkWriteBack<decltype(&readChordDiagram), kC>(file, writeChordPageFile(chords),
                                                                 kChordPageFormat, readChordDiagram, 30);
        !f.empty())
      return f;
    int complete = 0;
    for (bool full = true; full && complete < 5; complete += full ? 1 : 0)
      for (int d = 0; d < 6; ++d) full = full && !chords.chordAt(d, complete).isEmpty();
    if (chords.chordSetCount != complete)
      return "Chord Page: set count is not the complete sets from the top";
    if (!(chords.chordPageChord == (complete ? chords.chordAt(0, 0) : ChordDiagram{})))
      return "Chord Page: chordPageChord is not set 0 diagram 0";
  }

  PageHolders print = known;
  if (auto f = checkReader(file, kPrintPageFormat, readPrintPageFile, writePrintPageFile, print, accepted);
      !f.empty())
    return f;
  if (accepted) {
    if (auto f = checkWriteBack<decltype(&readPrintCell), kP>(file, writePrintPageFile(print),
                                                              kPrintPageFormat, readPrintCell, 30);
        !f.empty())
      return f;
    auto first = firstUsedPrintCell(print);
    if (!(print.printPageCell == (first ? print.cellAt(first->column, first->row) : PrintCell{})))
      return "Print Page: printPageCell is not the first used cell";
  }

  PageHolders design = known;
  if (auto f = checkReader(file, kDesignFormat, readDesignFile, writeDesignFile, design, accepted);
      !f.empty())
    return f;
  if (accepted) {
    if (auto f = checkWriteBack<decltype(&readChordDiagram), kC>(file, writeDesignFile(design), kDesignFormat,
                                                                 readChordDiagram, 6);
        !f.empty())
      return f;
    auto first = firstUsedDesignSlot(design);
    if (!(design.designChord ==
          (first ? design.designGroup[static_cast<std::size_t>(*first)] : known.designChord)))
      return "Chord Design: designChord is not the first used slot or the old design";
  }

  PageHolders scales = known;
  if (auto f = checkReader(file, kScalePageFormat, readScalePageFile, writeScalePageFile, scales, accepted);
      !f.empty())
    return f;
  if (accepted) {
    std::size_t used = 0;
    while (used < 5 && file[kS * (used + 1)] == 0) ++used;
    if (scales.scaleSetCount != static_cast<int>(used))
      return "Scale Page: set count is not the sets before the first empty one";
    // Sets after the first free record come back free, their other bytes kept.
    Bytes expected = file;
    for (std::size_t s = used; s < 5; ++s) expected[kS * (s + 1)] = 1;
    if (auto f = checkWriteBack<decltype(&readScaleDiagram), kS>(expected, writeScalePageFile(scales),
                                                                 kScalePageFormat, readScaleDiagram, 5);
        !f.empty())
      return f;
  }
  return {};
}

}  // namespace strumly::fuzz
