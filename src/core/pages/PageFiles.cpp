#include "core/pages/PageFiles.h"

#include <cstring>
#include <fstream>

#include "core/common/ReadWholeFile.h"
#include "core/common/WriteThroughTemporary.h"

namespace strumly {

namespace {

std::vector<std::uint8_t> withHeader(const PageFileFormat& format) {
  std::vector<std::uint8_t> bytes(format.fileSize(), 0);
  const std::size_t length = std::strlen(format.mark);
  bytes[format.markOffset] = static_cast<std::uint8_t>(length);
  std::memcpy(bytes.data() + format.markOffset + 1, format.mark, length);
  return bytes;
}

// The stored length byte and as many characters as it announces must equal the mark.
bool hasMark(std::span<const std::uint8_t> bytes, const PageFileFormat& format) {
  const std::size_t length = std::strlen(format.mark);
  if (bytes.size() < format.markOffset + 1 + length) return false;
  if (bytes[format.markOffset] != length) return false;
  return std::memcmp(bytes.data() + format.markOffset + 1, format.mark, length) == 0;
}

// The whole file is judged before anything is read into the page.
std::optional<std::string> refusal(std::span<const std::uint8_t> bytes, const PageFileFormat& format) {
  if (!hasMark(bytes, format)) return std::string(format.notThisKind);
  if (bytes.size() < format.fileSize())
    return "This " + std::string(format.title) + " file is damaged: it is shorter than a whole page.";
  return std::nullopt;
}

template <std::size_t N>
std::span<std::uint8_t, N> recordOut(std::vector<std::uint8_t>& bytes, std::size_t record) {
  return std::span<std::uint8_t, N>(bytes.data() + N * (record + 1), N);
}

template <std::size_t N>
std::span<const std::uint8_t, N> recordIn(std::span<const std::uint8_t> bytes, std::size_t record) {
  return std::span<const std::uint8_t, N>(bytes.data() + N * (record + 1), N);
}

constexpr std::size_t kChordN = ChordDiagram::kSize;
constexpr std::size_t kScaleN = ScaleDiagram::kSize;
constexpr std::size_t kCellN = PrintCell::kSize;

int countChordSets(const PageHolders& holders) {
  int count = 0;
  for (; count < PageHolders::kChordSets; ++count)
    for (int d = 0; d < PageHolders::kDiagramsPerSet; ++d)
      if (holders.chordAt(d, count).isEmpty()) return count;
  return count;
}

}  // namespace

const PageFileFormat& pageFileFormat(PageFileKind kind) {
  switch (kind) {
    case PageFileKind::Print:
      return kPrintPageFormat;
    case PageFileKind::Design:
      return kDesignFormat;
    case PageFileKind::Scales:
      return kScalePageFormat;
    case PageFileKind::Chords:
      break;
  }
  return kChordPageFormat;
}

std::vector<std::uint8_t> writeChordPageFile(const PageHolders& holders) {
  std::vector<std::uint8_t> bytes = withHeader(kChordPageFormat);
  std::size_t record = 0;
  for (int set = 0; set < PageHolders::kChordSets; ++set)
    for (int d = 0; d < PageHolders::kDiagramsPerSet; ++d)
      writeRecord(holders.chordAt(d, set), recordOut<kChordN>(bytes, record++));
  return bytes;
}

std::optional<std::string> readChordPageFile(std::span<const std::uint8_t> bytes, PageHolders& into) {
  if (auto refused = refusal(bytes, kChordPageFormat)) return refused;
  std::size_t record = 0;
  for (int set = 0; set < PageHolders::kChordSets; ++set)
    for (int d = 0; d < PageHolders::kDiagramsPerSet; ++d)
      into.chordAt(d, set) = readChordDiagram(recordIn<kChordN>(bytes, record++));
  into.chordSetCount = countChordSets(into);
  into.chordPageChord = into.chordSetCount > 0 ? into.chordAt(0, 0) : ChordDiagram{};
  return std::nullopt;
}

std::vector<std::uint8_t> writePrintPageFile(const PageHolders& holders) {
  std::vector<std::uint8_t> bytes = withHeader(kPrintPageFormat);
  std::size_t record = 0;
  for (int row = 0; row < PageHolders::kPrintRows; ++row)
    for (int column = 0; column < PageHolders::kPrintColumns; ++column)
      writeRecord(holders.cellAt(column, row), recordOut<kCellN>(bytes, record++));
  return bytes;
}

std::optional<std::string> readPrintPageFile(std::span<const std::uint8_t> bytes, PageHolders& into) {
  if (auto refused = refusal(bytes, kPrintPageFormat)) return refused;
  std::size_t record = 0;
  for (int row = 0; row < PageHolders::kPrintRows; ++row)
    for (int column = 0; column < PageHolders::kPrintColumns; ++column)
      into.cellAt(column, row) = readPrintCell(recordIn<kCellN>(bytes, record++));
  std::optional<GridCell> first = firstUsedPrintCell(into);
  into.printPageCell = first ? into.cellAt(first->column, first->row) : PrintCell{};
  return std::nullopt;
}

std::optional<GridCell> firstUsedPrintCell(const PageHolders& holders) {
  for (int row = 0; row < PageHolders::kPrintRows; ++row)
    for (int column = 0; column < PageHolders::kPrintColumns; ++column)
      if (!holders.cellAt(column, row).isEmpty()) return GridCell{column, row};
  return std::nullopt;
}

std::vector<std::uint8_t> writeDesignFile(const PageHolders& holders) {
  std::vector<std::uint8_t> bytes = withHeader(kDesignFormat);
  for (std::size_t slot = 0; slot < holders.designGroup.size(); ++slot)
    writeRecord(holders.designGroup[slot], recordOut<kChordN>(bytes, slot));
  return bytes;
}

std::optional<std::string> readDesignFile(std::span<const std::uint8_t> bytes, PageHolders& into) {
  if (auto refused = refusal(bytes, kDesignFormat)) return refused;
  for (std::size_t slot = 0; slot < into.designGroup.size(); ++slot)
    into.designGroup[slot] = readChordDiagram(recordIn<kChordN>(bytes, slot));
  if (std::optional<int> first = firstUsedDesignSlot(into))
    into.designChord = into.designGroup[static_cast<std::size_t>(*first)];
  return std::nullopt;
}

std::optional<int> firstUsedDesignSlot(const PageHolders& holders) {
  for (std::size_t slot = 0; slot < holders.designGroup.size(); ++slot)
    if (!holders.designGroup[slot].isEmpty()) return static_cast<int>(slot);
  return std::nullopt;
}

std::vector<std::uint8_t> writeScalePageFile(const PageHolders& holders) {
  std::vector<std::uint8_t> bytes = withHeader(kScalePageFormat);
  for (std::size_t set = 0; set < holders.scalePage.size(); ++set)
    writeRecord(holders.scalePage[set], recordOut<kScaleN>(bytes, set));
  return bytes;
}

std::optional<std::string> readScalePageFile(std::span<const std::uint8_t> bytes, PageHolders& into) {
  if (auto refused = refusal(bytes, kScalePageFormat)) return refused;
  // Sets only ever stand from the top without gaps, so the sets end at the first free record;
  // records after it stay free. Every record keeps the file's bytes, so a page without gaps is
  // saved back exactly as it was read.
  int count = 0;
  for (std::size_t set = 0; set < into.scalePage.size(); ++set) {
    ScaleDiagram scale = readScaleDiagram(recordIn<kScaleN>(bytes, set));
    if (scale.isEmpty() || count < static_cast<int>(set))
      scale.empty = 1;
    else
      ++count;
    into.scalePage[set] = scale;
  }
  into.scaleSetCount = count;
  into.currentScale = scalePageOpensWithSelection(into) ? into.scalePage[0] : ScaleDiagram{};
  return std::nullopt;
}

bool scalePageOpensWithSelection(const PageHolders& holders) {
  return holders.scaleSetCount > 1;
}

bool savePageFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                  std::string& error) {
  error = writeThroughTemporary(path, [&](const std::filesystem::path& temporary) {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
  });
  return error.empty();
}

std::optional<std::vector<std::uint8_t>> readPageFileBytes(const std::filesystem::path& path,
                                                           std::string& error, std::size_t limit) {
  const std::optional<std::string> bytes = readWholeFile(path, error, limit);
  if (!bytes) return std::nullopt;
  return std::vector<std::uint8_t>(bytes->begin(), bytes->end());
}

}  // namespace strumly
