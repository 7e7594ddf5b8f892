#include "core/tab/TabBlocks.h"

namespace strumly {

bool isTabLine(std::u32string_view line) {
  if (line.size() < kMinTabLineLength) return false;
  std::size_t blanks = 0;
  for (char32_t c : line)
    if (c == U' ') ++blanks;
  // blanks / length <= 0.1, in whole numbers so that exactly one tenth passes.
  return blanks * 10 <= line.size();
}

std::vector<TabBlockSpan> findTabBlocks(const TabLines& raw) {
  std::vector<TabBlockSpan> blocks;
  const std::size_t n = raw.size();
  // Whether each line is a tab line is asked up to six times as the search moves by one line;
  // remembering it keeps a long messy text linear.
  std::vector<char> tabLine(n);
  for (std::size_t k = 0; k < n; ++k) tabLine[k] = isTabLine(raw[k]) ? 1 : 0;

  std::size_t i = 0;
  while (i < n) {
    std::size_t run = 0;
    while (run < kTabStrings && i + run < n && tabLine[i + run]) ++run;
    if (run == kTabStrings) {
      bool equal = true;
      for (std::size_t k = 1; k < kTabStrings; ++k) equal = equal && raw[i + k].size() == raw[i].size();
      if (equal) {
        blocks.push_back({i, raw[i].size()});
        i += kTabStrings;
      } else {
        i += 1;
      }
    } else {
      i += run + 1;
    }
  }
  return blocks;
}

TabLines workingLinesOf(const TabLines& raw, const std::vector<TabBlockSpan>& blocks) {
  TabLines lines;
  lines.reserve(blocks.size() * kTabLinesPerBlock);
  for (const TabBlockSpan& block : blocks) {
    lines.emplace_back();
    for (std::size_t s = 0; s < kTabStrings; ++s) lines.push_back(raw[block.firstLine + s]);
  }
  return lines;
}

TabCheckResult checkTabEdits(const TabLines& raw) {
  TabCheckResult result;
  result.blocks = findTabBlocks(raw);
  result.workingLines = workingLinesOf(raw, result.blocks);
  return result;
}

TabLines wrapTabLines(const TabLines& lines, std::size_t columns) {
  if (columns == 0) return lines;
  const std::vector<TabBlockSpan> blocks = findTabBlocks(lines);
  TabLines out;
  out.reserve(lines.size());
  auto block = blocks.begin();
  for (std::size_t i = 0; i < lines.size();) {
    if (block != blocks.end() && block->firstLine == i) {
      const std::size_t length = block->lineLength;
      for (std::size_t from = 0; from == 0 || from < length; from += columns) {
        if (from > 0) out.emplace_back();
        for (std::size_t s = 0; s < kTabStrings; ++s) out.push_back(lines[i + s].substr(from, columns));
      }
      i += kTabStrings;
      ++block;
      continue;
    }
    const TabLine& line = lines[i++];
    for (std::size_t from = 0; from == 0 || from < line.size(); from += columns)
      out.push_back(line.substr(from, columns));
  }
  return out;
}

int tabBlockCount(const TabLines& converted) {
  return static_cast<int>((converted.size() + kTabLinesPerBlock - 1) / kTabLinesPerBlock);
}

}  // namespace strumly
