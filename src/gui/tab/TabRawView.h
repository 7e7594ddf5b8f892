#pragma once
// The raw view `reditTabPage`: the plain tab text in a fixed-pitch font without wrapping, its tab
// blocks in red, the instruction text at start-up, the block "Edit Cursor" and the popup
// `popmenuRawTab`, whose item the page's command table puts in.
#include <QPlainTextEdit>
#include <functional>
#include <vector>

#include "core/tab/TabBlocks.h"
#include "core/tab/TabText.h"

class QMenu;

namespace strumly::gui {

class TabBlockHighlighter;

class TabRawView : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit TabRawView(QWidget* parent = nullptr);

  // The seventeen lines the raw view starts with.
  static TabLines instructionLines();

  void setLines(const TabLines& lines);
  TabLines lines() const;
  void setBlocks(std::vector<TabBlockSpan> blocks);
  TabBlockHighlighter& highlighter() const { return *highlighter_; }

  // Presses in the view are refused while this answers true (playing, paused or busy).
  void setBusyCheck(std::function<bool()> busy) { busy_ = std::move(busy); }
  // Edit Cursor: a one-character selection that the arrow keys move a column or a line at a time.
  void setEditCursor(bool on);
  bool editCursor() const { return editCursor_; }

  // The caret's line (from 0) and column (from 1: the character right of the caret).
  int caretLine() const;
  int caretColumn() const;
  // Strip Tab on the selection; false when nothing changed.
  bool stripSelection(std::u32string_view timingChars);
  // Insert Tab: the lines go before the caret's line, as one step of undo.
  void insertBeforeCaretLine(const TabLines& inserted);
  QMenu* popmenuRawTab() const { return popmenuRawTab_; }

 Q_SIGNALS:
  // The user is at the text: a press of a button other than the right one, or a key.
  void userActed();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void selectBlockCursor();
  bool busy() const { return busy_ && busy_(); }

  TabBlockHighlighter* highlighter_;
  QMenu* popmenuRawTab_;
  std::function<bool()> busy_;
  bool editCursor_ = false;
};

}  // namespace strumly::gui
