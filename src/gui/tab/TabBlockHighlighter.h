#pragma once
// The red of the raw view: the lines of the tab blocks the last check found show red, the rest of
// the text black. The colour belongs to the view only; it never enters the text or its undo.
#include <QSyntaxHighlighter>
#include <vector>

#include "core/tab/TabBlocks.h"

namespace strumly::gui {

class TabBlockHighlighter : public QSyntaxHighlighter {
  Q_OBJECT
 public:
  explicit TabBlockHighlighter(QTextDocument* document);

  // The blocks found by the last check, in text order; none: everything black.
  void setBlocks(std::vector<TabBlockSpan> blocks);
  const std::vector<TabBlockSpan>& blocks() const { return blocks_; }
  bool lineIsRed(int line) const;

 protected:
  void highlightBlock(const QString& text) override;

 private:
  std::vector<TabBlockSpan> blocks_;
};

}  // namespace strumly::gui
