#pragma once
// A name longer than its field shows its start: a line edit given a text puts its caret at the
// end and scrolls the start away ("armonic Minor (HM)"), which hides the key in front of a name.
#include <QLineEdit>

namespace strumly::gui {

// From now on every text the program puts into `edit` is shown from its first character; what
// the user types keeps the caret where the typing is.
inline void showStartOfText(QLineEdit* edit) {
  QObject::connect(edit, &QLineEdit::textChanged, edit, [edit] {
    if (!edit->hasFocus()) edit->setCursorPosition(0);
  });
}

}  // namespace strumly::gui
