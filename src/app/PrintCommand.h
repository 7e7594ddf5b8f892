#pragma once
// The command-line print to PDF, run without a window:
//   strumly --print-pdf PAGEFILE OUT.pdf
// A chord (.cpf), print (.gpr, .prf) or scale (.spf) page file prints as one picture sheet, a
// play page file (.ppf) as its four play pages, a tab page (.vxt) or raw tab (.tab, .txt) as
// text sheets of 56 lines; exactly the sheets "Print Page" would print, with the same title
// lines. A bad or missing input exits non-zero with the reason and writes nothing.
#include <QStringList>

namespace strumly::gui {

bool wantsPrintPdf(const QStringList& arguments);
// Needs a QApplication (the pictures are drawn as the pages draw them); the exit code.
int runPrintPdf(const QStringList& arguments);

}  // namespace strumly::gui
