#pragma once
// What "Print Page" would print of a page file that is not open: the chord (.cpf), print (.gpr,
// .prf) and scale (.spf) pages as one picture each, a play page file (.ppf) as its four play
// pages, a tab page (.vxt) or raw tab (.tab, .txt) as its text. The pictures are drawn as the
// pages draw them (a QApplication must exist), in the hand and scale span of the settings and
// with flat note names; titles name the file as the pages' titles do. A page with nothing on it
// gives an empty printout, as "Print Page" prints nothing of it.
#include <QString>
#include <string>

#include "gui/common/PagePrintout.h"

namespace strumly {
struct AppSettings;
}

namespace strumly::gui {

// Thrown with the reason a file cannot be printed: unreadable, refused, or of no printable kind.
struct PageFileNotPrinted {
  std::string reason;
};

PagePrintout printoutOfPageFile(const QString& path, const AppSettings& settings);

}  // namespace strumly::gui
