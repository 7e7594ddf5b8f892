#include "gui/tab/TabRawView.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTextBlock>

#include "core/tab/TabConversion.h"
#include "gui/tab/TabBlockHighlighter.h"

namespace strumly::gui {

namespace {

// One text for the translators; the page shows it line by line.
const char* const kInstructions = QT_TRANSLATE_NOOP(
    "strumly::gui::TabRawView",
    "To convert tab:\n"
    "1. Click on the \"Open\" (the folder icon) button and select a tab file.\n"
    "2. Strumly will analyze and display the file here. Any section that Strumly thinks is\n"
    "   tab, will be highlighted in red.\n"
    "3. If it looks like Strumly found all the guitar tab sections, click on the \"Convert \n"
    "   Tab\" button.\n"
    "4. If there are sections that Strumly did not find, you will have to edit the sections\n"
    "   to make sure the lines are the same length, or there are not too many spaces\n"
    "   in the lines of tab, etc.\n"
    "5. Once the tab has been converted it would be a good idea to save the tab to\n"
    "   a Strumly tab file. Just click on the \"Save\" (the disk icon) button to save \n"
    "   the file as you would when saving any Strumly page.     \n"
    "6. You can now play the tab. Click on the Play button just like you would play a\n"
    "   PlayPage song.\n"
    "\n"
    "For more information, see the help file or click on the \"Open\" button\n"
    "and open the \"Tablature Tutorial.tab\" file. ");

bool isArrow(int key) {
  return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}

}  // namespace

TabRawView::TabRawView(QWidget* parent)
    : QPlainTextEdit(parent),
      highlighter_(new TabBlockHighlighter(document())),
      popmenuRawTab_(new QMenu(this)) {
  setObjectName("reditTabPage");
  setAccessibleName(tr("Tab text"));
  setAccessibleDescription(tr("The tab as written, to edit before it is converted"));
  QFont font("Courier New");
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPixelSize(16);
  setFont(font);
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setWordWrapMode(QTextOption::NoWrap);
  QPalette colours = palette();
  colours.setColor(QPalette::Text, Qt::black);
  colours.setColor(QPalette::Base, Qt::white);
  setPalette(colours);
  popmenuRawTab_->setObjectName("popmenuRawTab");
  setLines(instructionLines());
}

TabLines TabRawView::instructionLines() {
  TabLines lines;
  for (const QString& line : tr(kInstructions).split('\n')) lines.push_back(fromUtf8(line.toStdString()));
  return lines;
}

void TabRawView::setLines(const TabLines& lines) {
  QString text;
  std::size_t size = 0;
  for (const TabLine& line : lines) size += line.size() + 1;
  text.reserve(static_cast<qsizetype>(size));
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += QLatin1Char('\n');
    text += QString::fromUcs4(lines[i].data(), static_cast<qsizetype>(lines[i].size()));
  }
  highlighter_->setBlocks({});
  setPlainText(text);
}

TabLines TabRawView::lines() const {
  TabLines out;
  if (document()->isEmpty()) return out;
  out.reserve(static_cast<std::size_t>(document()->blockCount()));
  for (QTextBlock block = document()->firstBlock(); block.isValid(); block = block.next())
    out.push_back(block.text().toStdU32String());
  return out;
}

void TabRawView::setBlocks(std::vector<TabBlockSpan> blocks) {
  highlighter_->setBlocks(std::move(blocks));
}

void TabRawView::setEditCursor(bool on) {
  editCursor_ = on;
  if (!isVisible()) return;
  setFocus();
  if (on) {
    selectBlockCursor();
  } else {
    QTextCursor cursor = textCursor();
    cursor.setPosition(cursor.selectionStart());
    setTextCursor(cursor);
  }
}

int TabRawView::caretLine() const {
  return document()->findBlock(textCursor().selectionStart()).blockNumber();
}

int TabRawView::caretColumn() const {
  const int start = textCursor().selectionStart();
  return start - document()->findBlock(start).position() + 1;
}

void TabRawView::selectBlockCursor() {
  QTextCursor cursor = textCursor();
  cursor.setPosition(cursor.selectionStart());
  // A line break is never part of the block cursor: typing over it would join two lines.
  if (!cursor.atBlockEnd()) cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
  setTextCursor(cursor);
}

bool TabRawView::stripSelection(std::u32string_view timingChars) {
  QTextCursor cursor = textCursor();
  if (!cursor.hasSelection()) return false;
  const std::u32string before = cursor.selectedText().toStdU32String();
  std::u32string after = before;
  if (!stripTab(after, 0, after.size(), timingChars) || after == before) return false;
  const int start = cursor.selectionStart();
  const int end = cursor.selectionEnd();
  cursor.insertText(QString::fromStdU32String(after));
  cursor.setPosition(start);
  cursor.setPosition(end, QTextCursor::KeepAnchor);
  setTextCursor(cursor);
  return true;
}

void TabRawView::insertBeforeCaretLine(const TabLines& inserted) {
  if (inserted.empty()) return;
  QString text;
  for (const TabLine& line : inserted) text += QString::fromStdU32String(line) + QLatin1Char('\n');
  QTextCursor cursor(document()->findBlock(textCursor().selectionStart()));
  cursor.movePosition(QTextCursor::StartOfBlock);
  cursor.insertText(text);
}

void TabRawView::mousePressEvent(QMouseEvent* event) {
  if (busy()) return;
  if (event->button() != Qt::RightButton) Q_EMIT userActed();
  QPlainTextEdit::mousePressEvent(event);
  if (editCursor_ && event->button() != Qt::RightButton) selectBlockCursor();
}

// A press inside the block cursor's own character starts a drag that ends as a plain caret on
// release, and a quick second press selects a word: either way the block stays a block (a
// selection dragged over several characters is kept).
void TabRawView::mouseReleaseEvent(QMouseEvent* event) {
  QPlainTextEdit::mouseReleaseEvent(event);
  if (editCursor_ && event->button() != Qt::RightButton && !busy() && !textCursor().hasSelection())
    selectBlockCursor();
}

void TabRawView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (!editCursor_ || event->button() == Qt::RightButton) {
    QPlainTextEdit::mouseDoubleClickEvent(event);
    return;
  }
  if (busy()) return;
  setTextCursor(cursorForPosition(event->position().toPoint()));
  selectBlockCursor();
}

void TabRawView::keyPressEvent(QKeyEvent* event) {
  const bool plainArrow = isArrow(event->key()) && !(event->modifiers() & Qt::ShiftModifier);
  if (editCursor_ && plainArrow && !document()->isEmpty()) {
    QTextCursor cursor = textCursor();
    cursor.setPosition(cursor.selectionStart());
    switch (event->key()) {
      case Qt::Key_Left:
        cursor.movePosition(QTextCursor::PreviousCharacter);
        break;
      case Qt::Key_Right:
        cursor.movePosition(QTextCursor::NextCharacter);
        break;
      case Qt::Key_Up:
        cursor.movePosition(QTextCursor::Up);
        break;
      default:
        cursor.movePosition(QTextCursor::Down);
        break;
    }
    setTextCursor(cursor);
    selectBlockCursor();
    event->accept();
    return;
  }
  if (!plainArrow) Q_EMIT userActed();
  QPlainTextEdit::keyPressEvent(event);
  if (editCursor_ && !event->text().isEmpty()) selectBlockCursor();
}

void TabRawView::contextMenuEvent(QContextMenuEvent* event) {
  if (busy()) return;
  popmenuRawTab_->popup(event->globalPos());
}

}  // namespace strumly::gui
