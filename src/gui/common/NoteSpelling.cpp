#include "gui/common/NoteSpelling.h"

namespace strumly::gui {

void NoteSpelling::setSpelling(Spelling spelling) {
  if (names_.spelling == spelling) return;
  names_.spelling = spelling;
  Q_EMIT changed();
}

}  // namespace strumly::gui
