// The four page files built byte by byte from their layouts: round trips, refusals that leave
// the page alone, and the state a page opens with.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "../../fuzz/checks/Corpus.h"
#include "../../fuzz/checks/PageFilesCheck.h"
#include "core/chords/ChordsPageModel.h"
#include "core/pages/PageFiles.h"

using namespace strumly;
namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

namespace {

void text(Bytes& b, std::string_view s, std::size_t capacity) {
  b.push_back(static_cast<std::uint8_t>(s.size()));
  b.insert(b.end(), s.begin(), s.end());
  b.resize(b.size() + capacity - s.size(), 0);
}

Bytes header(std::size_t size, std::size_t at, std::string_view mark) {
  Bytes b(at, 0);
  text(b, mark, mark.size());
  b.resize(size, 0);
  return b;
}

const Bytes kStandard{64, 59, 55, 50, 45, 40};

// C major, x32010: empty 0, name 15, tuning name 15, formula 20, tuning, 6 x (fret, finger),
// intervals 7, pitches 6, begin fret, root, bass.
Bytes chordRecord(std::string_view name) {
  Bytes b{0};
  text(b, name, 15);
  text(b, "Standard", 15);
  text(b, "1 3 5", 20);
  b.insert(b.end(), kStandard.begin(), kStandard.end());
  for (std::uint8_t v : {0, 0, 1, 1, 0, 0, 2, 2, 3, 3, 0, 5}) b.push_back(v);
  for (std::uint8_t v : {0, 4, 7, 255, 255, 255, 255}) b.push_back(v);
  for (std::uint8_t v : {64, 60, 55, 52, 48, 0}) b.push_back(v);
  for (std::uint8_t v : {1, 0, 24}) b.push_back(v);
  return b;
}

// D Dorian: empty 0, name 26, tuning name 15, formula 26, tuning, intervals 10, begin frets, root.
Bytes scaleRecord(std::string_view name) {
  Bytes b{0};
  text(b, name, 26);
  text(b, "Standard", 15);
  text(b, "1 2 b3 4 5 6 b7", 26);
  b.insert(b.end(), kStandard.begin(), kStandard.end());
  for (std::uint8_t v : {0, 2, 3, 5, 7, 9, 10, 99, 0, 0}) b.push_back(v);
  for (std::uint8_t v : {1, 4, 8, 12, 16, 20, 2}) b.push_back(v);
  return b;
}

// A chord cell: empty 0, isChord 1, name 26, tuning name 15, formula 26, tuning, strings,
// intervals 10, pitches, begin fret, root, bass.
Bytes cellRecord(std::string_view name) {
  Bytes b{0, 1};
  text(b, name, 26);
  text(b, "Standard", 15);
  text(b, "1 3 5", 26);
  b.insert(b.end(), kStandard.begin(), kStandard.end());
  for (std::uint8_t v : {0, 0, 1, 1, 0, 0, 2, 2, 3, 3, 0, 5}) b.push_back(v);
  for (std::uint8_t v : {0, 4, 7, 255, 255, 255, 255, 255, 255, 255}) b.push_back(v);
  for (std::uint8_t v : {64, 60, 55, 52, 48, 0, 1, 0, 24}) b.push_back(v);
  return b;
}

Bytes freeRecord(std::size_t size) {
  Bytes b(size, 0);
  b[0] = 1;
  return b;
}

void append(Bytes& file, const Bytes& record) {
  file.insert(file.end(), record.begin(), record.end());
}

// Two complete sets on a chord page, each record named "r" and its place in the file.
Bytes twoSetChordPage() {
  Bytes f = header(88, 1, "kvPageChord");
  for (int i = 0; i < 30; ++i) append(f, i < 12 ? chordRecord("r" + std::to_string(i)) : freeRecord(88));
  return f;
}

// Scales in sets 0, 1, 3 and 4; set 2 free.
Bytes gappedScalePage() {
  Bytes f = header(94, 1, "kvPageScale");
  for (int i = 0; i < 5; ++i) append(f, i == 2 ? freeRecord(94) : scaleRecord("Dorian " + std::to_string(i)));
  return f;
}

// Cells at row 0 column 4 and row 1 column 0, given in file order row by row.
Bytes twoCellPrintPage() {
  Bytes f = header(109, 2, "kvPagePrint");
  for (int i = 0; i < 30; ++i)
    append(f, i == 4 ? cellRecord("C") : i == 6 ? cellRecord("G") : freeRecord(109));
  return f;
}

PageHolders freshPage() {
  PageHolders h;
  h.reset();
  return h;
}

}  // namespace

TEST(PageFiles, HandBuiltFilesReadAndWriteBackByteForByte) {
  const Bytes chords = twoSetChordPage(), print = twoCellPrintPage();
  Bytes design = header(88, 1, "kvChordDesign");
  for (int i = 0; i < 6; ++i) append(design, i == 1 ? chordRecord("m7") : freeRecord(88));
  Bytes scales = header(94, 1, "kvPageScale");
  for (int i = 0; i < 5; ++i) append(scales, i < 2 ? scaleRecord("Dorian") : freeRecord(94));
  ASSERT_EQ(chords.size(), 2728u);
  ASSERT_EQ(print.size(), 3379u);
  ASSERT_EQ(design.size(), 616u);
  ASSERT_EQ(scales.size(), 564u);

  PageHolders page = freshPage();
  ASSERT_EQ(readChordPageFile(chords, page), std::nullopt);
  EXPECT_EQ(page.chordAt(1, 0).name.str(), "r1");  // set 0 diagram 1
  EXPECT_EQ(page.chordAt(0, 1).name.str(), "r6");  // set 1 diagram 0
  EXPECT_TRUE(page.chordAt(0, 2).isEmpty());
  EXPECT_EQ(writeChordPageFile(page), chords);
  ASSERT_EQ(readPrintPageFile(print, page), std::nullopt);
  EXPECT_EQ(page.cellAt(0, 1).name.str(), "G");
  EXPECT_EQ(writePrintPageFile(page), print);
  ASSERT_EQ(readDesignFile(design, page), std::nullopt);
  EXPECT_EQ(page.designChord.name.str(), "m7");
  EXPECT_EQ(firstUsedDesignSlot(page), 1);
  EXPECT_EQ(writeDesignFile(page), design);
  ASSERT_EQ(readScalePageFile(scales, page), std::nullopt);
  EXPECT_EQ(page.scalePage[0].root, 2);
  EXPECT_EQ(writeScalePageFile(page), scales);
}

TEST(PageFiles, ForeignAndShortFilesAreRefusedAndTheTouchedPageStaysAsItWas) {
  PageHolders page = freshPage();
  ASSERT_EQ(readChordPageFile(twoSetChordPage(), page), std::nullopt);
  const Bytes before = writeChordPageFile(page);

  Bytes shortFile = twoSetChordPage();
  shortFile.pop_back();
  Bytes longerMark = twoSetChordPage();
  longerMark[1] = 12;  // "kvPageChord" followed by one more character
  Bytes otherKind = header(88, 1, "kvPageScale");
  otherKind.resize(2728, 0);

  EXPECT_NE(readChordPageFile(shortFile, page), std::nullopt);
  EXPECT_EQ(readChordPageFile(longerMark, page), "This is not a Chord Page file");
  EXPECT_EQ(readChordPageFile(otherKind, page), "This is not a Chord Page file");
  EXPECT_EQ(readChordPageFile(Bytes{}, page), "This is not a Chord Page file");
  EXPECT_EQ(writeChordPageFile(page), before);
  EXPECT_EQ(page.chordSetCount, 2);
  EXPECT_EQ(page.chordPageChord.name.str(), "r0");

  // The print mark sits one byte later than the others.
  EXPECT_EQ(readPrintPageFile(header(3379, 1, "kvPagePrint"), page), "This is not a Print Page file");
  EXPECT_TRUE(readDesignFile(header(615, 1, "kvChordDesign"), page).has_value());
  EXPECT_EQ(readScalePageFile(twoSetChordPage(), page), "This is not a Scale Page file");
}

TEST(PageFiles, PagesOpenWithTheStateTheirLayoutsGive) {
  PageHolders page = freshPage();
  ASSERT_EQ(readChordPageFile(twoSetChordPage(), page), std::nullopt);
  EXPECT_EQ(page.chordSetCount, 2);
  EXPECT_EQ(page.chordPageChord.name.str(), "r0");  // set 0 diagram 0

  ASSERT_EQ(readScalePageFile(gappedScalePage(), page), std::nullopt);
  EXPECT_EQ(page.scaleSetCount, 2);
  EXPECT_TRUE(page.scalePage[3].isEmpty());
  EXPECT_TRUE(scalePageOpensWithSelection(page));
  EXPECT_EQ(page.currentScale.name.str(), "Dorian 0");

  // Six free slots: the group is replaced but the chord being designed stays.
  page.designGroup[4].empty = 0;
  page.designChord.name = "kept";
  Bytes design = header(88, 1, "kvChordDesign");
  for (int i = 0; i < 6; ++i) append(design, freeRecord(88));
  ASSERT_EQ(readDesignFile(design, page), std::nullopt);
  EXPECT_EQ(page.usedDesignSlots(), 0);
  EXPECT_EQ(page.designChord.name.str(), "kept");
  EXPECT_EQ(firstUsedDesignSlot(page), std::nullopt);
}

TEST(PageFiles, SavedFilesReadBackAndOlderPrintFilesOpenLikeCurrentOnes) {
  const fs::path folder = fs::temp_directory_path() / ("strumly-pagefiles-" + std::to_string(::getpid()));
  fs::create_directories(folder);
  std::string error;
  ASSERT_TRUE(savePageFile(folder / "old.prf", twoCellPrintPage(), error)) << error;
  EXPECT_FALSE(fs::exists(folder / "old.prf.tmp"));

  auto bytes = readPageFileBytes(folder / "old.prf", error);
  ASSERT_TRUE(bytes) << error;
  PageHolders page = freshPage();
  ASSERT_EQ(readPrintPageFile(*bytes, page), std::nullopt);
  EXPECT_EQ(firstUsedPrintCell(page), (GridCell{4, 0}));  // row 0 comes before row 1
  EXPECT_EQ(page.printPageCell.name.str(), "C");

  // The reason names the file the user chose, never the temporary one beside it.
  EXPECT_FALSE(savePageFile(folder / "missing" / "x.cpf", twoSetChordPage(), error));
  EXPECT_EQ(error,
            "Could not write " + (folder / "missing" / "x.cpf").string() + ": No such file or directory.");
  EXPECT_FALSE(savePageFile(folder, twoSetChordPage(), error));
  EXPECT_EQ(error, "Could not write " + folder.string() + ": Is a directory.");
  EXPECT_FALSE(readPageFileBytes(folder / "missing.cpf", error));
  EXPECT_FALSE(readPageFileBytes(folder, error));
  EXPECT_EQ(error, "Cannot open " + folder.string() + ": Is a directory.");
  fs::remove_all(folder);
}

TEST(FuzzCorpus, EverySeedKeepsThePageFileInvariants) {
  auto seeds = fuzz::corpusFiles(fs::path(STRUMLY_SOURCE_DIR) / "fuzz/corpus/pagefiles");
  ASSERT_GE(seeds.size(), 8u);
  for (const auto& f : seeds)
    EXPECT_EQ(fuzz::checkPageFilesInput(f.bytes.data(), f.bytes.size()), "") << f.name;
}

TEST(PageFiles, AnOpenedChordPageSelectsAndTargetsItsFirstDiagramOrNothing) {
  PageHolders page = freshPage();
  ChordsPageModel model(page);
  ASSERT_EQ(readChordPageFile(twoSetChordPage(), page), std::nullopt);
  model.opened();
  EXPECT_EQ(model.setCount(), 2);
  EXPECT_EQ(model.selection(), (GridCell{0, 0}));
  EXPECT_EQ(model.target(), (GridCell{0, 0}));
  model.press(20 + 120 * 3 + 10, 150 + 60, PressButton::Left);  // set 1 diagram 3
  ASSERT_EQ(model.selection(), (GridCell{3, 1}));

  Bytes noSets = header(88, 1, "kvPageChord");
  for (int i = 0; i < 30; ++i) append(noSets, freeRecord(88));
  ASSERT_EQ(readChordPageFile(noSets, page), std::nullopt);
  model.opened();
  EXPECT_EQ(model.setCount(), 0);
  EXPECT_EQ(model.selection(), std::nullopt);
  EXPECT_EQ(model.target(), std::nullopt);
  EXPECT_TRUE(model.chordPageChord().isEmpty());
}
