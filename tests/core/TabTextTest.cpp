// Raw tab to a tab page: decoding, block detection, Auto Tune, the play encoding, the marker
// rules, the .vxt file and the chord read at the caret. Expected values are worked out by hand
// from standard tuning (64 59 55 50 45 40) and the page geometry (9 pixels a column).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/tab/TabBlocks.h"
#include "core/tab/TabChordAtCursor.h"
#include "core/tab/TabConversion.h"
#include "core/tab/TabFile.h"
#include "core/tab/TabMarkers.h"

namespace strumly {
namespace {

TabLines names(std::u32string first, std::u32string low, std::u32string bar = U"|-----|") {
  return {U"", first + bar, U"B" + bar, U"G" + bar, U"D" + bar, U"A" + bar, low + bar};
}

TEST(TabText, DecodesUtf8Latin1AndEveryLineEnd) {
  const TabLines lines = decodeTabText(
      "\xEF\xBB\xBF"
      "e|-\xC3\xA9-|\r\nB|\xE9|\rG\n\nD");
  EXPECT_EQ(lines, (TabLines{U"e|-\u00e9-|", U"B|\u00e9|", U"G", U"", U"D"}));
  EXPECT_EQ(encodeTabText({U"B|\u00e9|", U""}), "B|\xC3\xA9|\r\n\r\n");
  EXPECT_TRUE(decodeTabText("").empty());
  EXPECT_EQ(decodeTabText("a\r\n").size(), 1u);
}

TEST(TabBlocks, TabLinesAndBlocks) {
  EXPECT_TRUE(isTabLine(U"--------- ---- -----"));    // 20 characters, 2 blanks: one tenth
  EXPECT_FALSE(isTabLine(U"-------- ---- -- ----"));  // 21 characters, 3 blanks
  EXPECT_FALSE(isTabLine(U"--"));
  EXPECT_TRUE(isTabLine(U"\t\t\t"));  // a TAB is not a blank

  const TabLine line = U"e|--0--|";
  TabLines unequal(6, line);
  unequal[3] += U'-';
  EXPECT_TRUE(findTabBlocks(unequal).empty());
  unequal[3].pop_back();
  EXPECT_EQ(findTabBlocks(unequal), (std::vector<TabBlockSpan>{{0, 8}}));

  // Seven equal lines and five more: the seventh starts the next search and completes a block.
  TabLines text(12, line);
  text.insert(text.begin(), U"Intro by someone");
  const TabCheckResult check = checkTabEdits(text);
  EXPECT_EQ(check.blocks, (std::vector<TabBlockSpan>{{1, 8}, {7, 8}}));
  ASSERT_EQ(check.workingLines.size(), 14u);
  EXPECT_EQ(check.workingLines[0], U"");
  EXPECT_EQ(check.workingLines[7], U"");
  EXPECT_EQ(check.workingLines[13], line);
  EXPECT_FALSE(convertTab(checkTabEdits({U"no tab here", U"at all"}).workingLines, true));
}

TEST(TabConversion, AutoTune) {
  const auto tuned = [](const TabLines& lines) { return convertTab(lines, true); };
  auto standard = tuned(names(U"e", U"E"));
  ASSERT_TRUE(standard);
  EXPECT_EQ(standard->tuning.pitches, kStandardTuning);
  EXPECT_EQ(standard->tuningName, "Standard");
  EXPECT_EQ(standard->markers, (TabMarkers{{0, 0}, {9, 0}}));

  auto dropD = tuned(names(U"e", U"D"));
  EXPECT_EQ(dropD->tuning.pitches, (std::array<PitchNumber, 6>{64, 59, 55, 50, 45, 38}));
  EXPECT_EQ(dropD->tuningName, "D A D G B E ");

  // One leading blank on the first line moves the letter column for all six lines.
  TabLines shifted = names(U"E", U"E");
  for (std::size_t i = 1; i < 7; ++i) shifted[i] = U" " + shifted[i];
  EXPECT_EQ(tuned(shifted)->tuning.pitches, kStandardTuning);

  TabLines accidentals = names(U"e", U"E");
  accidentals[2] = U"B#|-----|";
  accidentals[3] = U"Cb|-----|";
  EXPECT_EQ(tuned(accidentals)->tuning.pitches, (std::array<PitchNumber, 6>{64, 59, 60, 50, 45, 40}));

  TabLines unnamed = names(U"e", U"x");
  const auto fallback = tuned(unnamed);
  EXPECT_FALSE(fallback->autoTuned);
  EXPECT_EQ(fallback->tuning.pitches, kStandardTuning);
}

TEST(TabConversion, PlayEncoding) {
  const std::string off = encodePlayLines({U"-12-31-1"}, false)[0];
  EXPECT_EQ(off, std::string("--\x0c-\x03\x01-\x01", 8));
  const std::vector<PlayLine> on = encodePlayLines({U"--12--", U""}, true);
  EXPECT_EQ(on, (std::vector<PlayLine>{std::string("--\x0c---", 6), "", "vxtEND"}));
  // Nothing but a digit sounds: not a TAB (9), not a character whose low byte is 5.
  const PlayLine odd = encodePlayLines({U"\t\u0105|"}, false)[0];
  for (char b : odd) EXPECT_FALSE(isPlayNote(static_cast<std::uint8_t>(b)));
}

TEST(TabConversion, StripAndInsert) {
  std::u32string text = U"e|-q.-s-|\nE|-e=-|";
  EXPECT_TRUE(stripTab(text, 2, 6, timingCharsFrom(" .=qes ")));
  EXPECT_EQ(text, U"e|------|\nE|-e=-|");
  EXPECT_FALSE(stripTab(text, 0, 99, timingCharsFrom("  ")));
  TabLines raw{U"a", U"b"};
  insertTabLines(raw, 1, {U"x", U"y"});
  EXPECT_EQ(raw, (TabLines{U"a", U"x", U"y", U"b"}));
}

TEST(TabMarkers, PressRules) {
  const TabLines page = names(U"e", U"E", U"|----------------|");  // 18 columns
  TabMarkers m{{0, 0}, {10, 0}};                                   // end marker left edge 87
  EXPECT_EQ(tabPagePress(page, m, 75, 50, false).action, TabPressAction::PlaceStart);  // column 8: 72 < 77
  EXPECT_EQ(tabPagePress(page, m, 83, 50, false).action, TabPressAction::Ignored);     // column 9: 81
  EXPECT_EQ(tabPagePress(page, m, 300, 50, true).action, TabPressAction::OpenMenu);    // right of the text
  EXPECT_EQ(tabPagePress(page, m, 300, 50, false).action, TabPressAction::Ignored);
  EXPECT_EQ(tabPagePress(page, m, 50, 200, true).action, TabPressAction::Ignored);  // below the last block
  m.start = {4, 0};                                                                 // right edge 51
  EXPECT_EQ(tabPagePress(page, m, 47, 50, true).action, TabPressAction::Ignored);   // column 5: 45
  const TabPress end = tabPagePress(page, m, 56, 50, true);                         // column 6: 54
  EXPECT_EQ(end.action, TabPressAction::PlaceEnd);
  EXPECT_EQ(end.at, (TabMarker{6, 0}));
  EXPECT_EQ(clampTabMarkers({{-5, 9}, {900, -1}}, page), (TabMarkers{{0, 0}, {20, 0}}));
}

TEST(TabMarkers, WideLinesWidenThePageAndPrintInBands) {
  EXPECT_EQ(tabPageWidth(20), 1000);
  // 165 columns: the end marker after the last one (left 9 x 166 - 3, 15 wide) is on the page.
  const int wide = tabPageWidth(165);
  EXPECT_GE(wide, 9 * 166 - 3 + 15);
  const TabLines page = names(U"e", U"E", std::u32string(U"|") + std::u32string(163, U'-'));
  ASSERT_EQ(page[1].size(), 165u);
  const TabMarkers m = defaultTabMarkers(page);
  const TabPress start = tabPagePress(page, m, 9 * 160 + 4, 50, false, wide);
  EXPECT_EQ(start.action, TabPressAction::PlaceStart);
  EXPECT_EQ(start.at, (TabMarker{160, 0}));
  EXPECT_EQ(tabPagePress(page, m, wide, 50, true, wide).action, TabPressAction::Ignored);  // off the page

  // Four columns: the prose goes on below itself, the block in two bands of its six strings.
  const TabLines raw{U"the song:", U"e|-0-1", U"B|----", U"G|----", U"D|-2--", U"A|----", U"E|----"};
  EXPECT_EQ(wrapTabLines(raw, 4),
            (TabLines{U"the ", U"song", U":", U"e|-0", U"B|--", U"G|--", U"D|-2", U"A|--", U"E|--", U"",
                      U"-1", U"--", U"--", U"--", U"--", U"--"}));
  EXPECT_EQ(wrapTabLines(raw, 9), raw);
}

TEST(TabFile, RoundTripAndRefusals) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "strumly-tabfile-test";
  std::filesystem::create_directories(dir);
  TabPageSettings s;
  s.tempoMicros = 600000;
  s.sustain = 5;
  s.sliceTime = 90;
  s.loop = true;
  s.markers = {{3, 1}, {7, 2}};
  s.playOnFirstDigit = true;
  s.doubleDigitTempoAdjust = false;
  const TabLines lines = names(U"e", U"E", U"|-\u00e9---|");
  ASSERT_EQ(writeTabPageFile(dir / "a.vxt", s, lines), "");
  EXPECT_FALSE(std::filesystem::exists(dir / "a.vxt.tmp"));
  const TabPageReadResult read = readTabPageFile(dir / "a.vxt");
  ASSERT_TRUE(read.ok()) << read.error;
  EXPECT_EQ(read.file->settings, s);
  EXPECT_EQ(read.file->lines, lines);
  const TabLines header = tabPageFileLines(s, {});
  EXPECT_EQ(header[1], U"100");
  EXPECT_EQ(header[12], U"!");

  TabLines bad = tabPageFileLines(s, lines);
  bad[0] = U"kv6.50TabPage ";
  EXPECT_EQ(parseTabPageFile(encodeTabText(bad)).error, kNotATabPageFile);
  bad[0] = U"kv6.50TabPage";
  bad[2] = U"1x";
  const TabPageReadResult notNumber = parseTabPageFile(encodeTabText(bad));
  EXPECT_FALSE(notNumber.ok());
  EXPECT_NE(notNumber.error.find("1x"), std::string::npos);
  bad[2] = U"5";
  bad[1] = U"0";
  EXPECT_FALSE(parseTabPageFile(encodeTabText(bad)).ok());
  std::filesystem::remove_all(dir);
}

TEST(TabText, FoldersAndBinaryDataAreRefusedWithTheirReason) {
  EXPECT_TRUE(isPlainText("e|-0-|\tx\r\n\f\xE9 \xC3\xA9"));
  EXPECT_FALSE(isPlainText(std::string("e|-0-|\0", 7)));
  EXPECT_FALSE(isPlainText("ab\x01\x02\x1b"));  // three of five bytes are control characters
  EXPECT_TRUE(isPlainText("abc\x01\x02"));

  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "strumly-tabtext-refusals";
  std::filesystem::create_directories(dir);
  const TabTextReadResult folder = readTabTextFile(dir);
  EXPECT_FALSE(folder.ok);
  EXPECT_EQ(folder.error, "Cannot open " + dir.string() + ": Is a directory.");
  EXPECT_EQ(readTabPageFile(dir).error, folder.error);
  std::ofstream(dir / "song.tab", std::ios::binary) << std::string("\x7f\x45\x4c\x46\x02\x01\x01\0", 8);
  EXPECT_EQ(readTabTextFile(dir / "song.tab").error, (dir / "song.tab").string() + " is not a text file.");
  std::filesystem::remove_all(dir);
}

TEST(TabChordAtCursor, ReadsTheDigitsAroundTheCaret) {
  const TabLines raw{U"Intro:", U"e|-----|", U"B|--1--|", U"G|--2--|", U"D|--12-|", U"A|--3--|", U"E|-----|"};
  const std::optional<ChordDiagram> chord = chordAtCursor(raw, 4, 6);  // on the 2 of fret 12
  ASSERT_TRUE(chord);
  EXPECT_EQ(chord->strings[3].fret, 12);
  EXPECT_EQ(chord->strings[0].finger, kFingerMuted);
  EXPECT_EQ(chord->strings[4].finger, kFingerPlain);
  EXPECT_EQ(chord->pitches, (std::array<PitchNumber, 6>{0, 60, 57, 62, 48, 0}));
  EXPECT_EQ(chord->root, 0);  // C from string 4, the lowest sounding
  EXPECT_EQ(chord->intervals, (std::array<std::uint8_t, 7>{0, 2, 9, 255, 255, 255, 255}));
  EXPECT_EQ(chord->formula.view(), "1 2 6 ");
  EXPECT_EQ(chord->beginFret, 1);
  EXPECT_EQ(chord->tuningName.view(), "Standard");

  // Five lines below the top: not a complete read, nothing is sent.
  const TabLines cut(raw.begin(), raw.end() - 1);
  EXPECT_FALSE(chordAtCursor(cut, 4, 6));
}

}  // namespace
}  // namespace strumly
