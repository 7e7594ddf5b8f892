#include "gui/tab/TabBlockHighlighter.h"

#include <QTextCharFormat>
#include <algorithm>

namespace strumly::gui {

TabBlockHighlighter::TabBlockHighlighter(QTextDocument* document) : QSyntaxHighlighter(document) {}

void TabBlockHighlighter::setBlocks(std::vector<TabBlockSpan> blocks) {
  if (blocks.empty() && blocks_.empty()) return;
  blocks_ = std::move(blocks);
  rehighlight();
}

bool TabBlockHighlighter::lineIsRed(int line) const {
  if (line < 0) return false;
  const auto at = static_cast<std::size_t>(line);
  // The spans are in text order and do not overlap: the last one starting at or above the line.
  auto after = std::upper_bound(blocks_.begin(), blocks_.end(), at,
                                [](std::size_t l, const TabBlockSpan& b) { return l < b.firstLine; });
  if (after == blocks_.begin()) return false;
  const TabBlockSpan& block = *std::prev(after);
  return at < block.firstLine + kTabStrings;
}

void TabBlockHighlighter::highlightBlock(const QString& text) {
  if (text.isEmpty() || !lineIsRed(currentBlock().blockNumber())) return;
  QTextCharFormat red;
  red.setForeground(QColor(255, 0, 0));
  setFormat(0, static_cast<int>(text.size()), red);
}

}  // namespace strumly::gui
