#pragma once
// Finding the tab in a text: which lines look like tab, and which six of them in a row form a
// block ("Check Tab Edits"). Linear in the text's size, whatever the text.
#include <cstddef>
#include <string_view>
#include <vector>

#include "core/tab/TabText.h"

namespace strumly {

constexpr int kTabStrings = 6;        // lines of a block; the first is string 0, the highest
constexpr int kTabLinesPerBlock = 7;  // in the working files: an empty line, then the six strings
constexpr std::size_t kMinTabLineLength = 3;

// At least 3 characters, of which at most one tenth are blanks (exactly one tenth passes).
// Every character counts: string names, bar lines, timing letters, tabs.
bool isTabLine(std::u32string_view line);

// A block found in the raw text: six consecutive tab lines of equal length.
struct TabBlockSpan {
  std::size_t firstLine = 0;   // index of the block's top line (string 0) in the raw lines
  std::size_t lineLength = 0;  // characters of each of its six lines (line ends not counted)
  bool operator==(const TabBlockSpan&) const = default;
};

// The blocks of a raw text in text order. After a found block the search goes on below it; a run
// of six unequal lines moves on by one line; a shorter run skips its lines and the line that
// ended it. So seven equal tab lines give one block, and the seventh starts the next search.
std::vector<TabBlockSpan> findTabBlocks(const TabLines& raw);

// The working list of the blocks ("vxtmptab.bin"'s content): per block an empty line and its six
// lines exactly as they stand. Block k occupies lines 7k..7k+6, string s is line 7k+1+s.
TabLines workingLinesOf(const TabLines& raw, const std::vector<TabBlockSpan>& blocks);

// What "Check Tab Edits" finds: the spans (the raw view colours them) and the working list.
struct TabCheckResult {
  std::vector<TabBlockSpan> blocks;
  TabLines workingLines;
};
TabCheckResult checkTabEdits(const TabLines& raw);

// The lines as printed `columns` characters wide. A tab block longer than that is cut into bands
// of `columns`, each band with all six strings and an empty line between bands, so that the
// strings of one moment stay above one another; any other long line goes on in the lines below.
TabLines wrapTabLines(const TabLines& lines, std::size_t columns);

// Blocks of a working or converted list: one per seven lines (a short tail counts as a block, as
// the page draws it).
int tabBlockCount(const TabLines& converted);

}  // namespace strumly
