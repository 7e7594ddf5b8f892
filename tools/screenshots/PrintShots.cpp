// print-page.png  the Print page filled from the Chords and Scales pages by "Send To Print Page":
//                 C maj7, A m7 and G 7 voicings beside positions of the scales shown before
// print-pdf.png   the first sheet of the PDF "Export PDF..." writes of that page
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>

#include "ShotKit.h"
#include "gui/app/MainMenu.h"
#include "gui/app/MainWindow.h"
#include "gui/app/ProgramParts.h"
#include "gui/app/ToolPanel.h"
#include "gui/chords/ChordsPage.h"
#include "gui/common/PageImage.h"
#include "gui/common/PagePrinter.h"
#include "gui/print/PrintPage.h"
#include "gui/scales/ScalesPage.h"

using namespace strumly;
using namespace strumly::gui;
using namespace strumly::shots;

namespace {

QPoint printCell(int column, int row) {
  return {20 + 120 * column + 50, 160 * row + 90};
}

}  // namespace

static RegisterShots reg("55-print", [](ShotContext& c) {
  PageList& pages = c.parts.pages();
  auto* chords = dynamic_cast<ChordsPage*>(pages.page(PageId::Chords));
  auto* scales = dynamic_cast<ScalesPage*>(pages.page(PageId::Scales));
  auto* print = dynamic_cast<PrintPage*>(pages.page(PageId::Print));
  if (!chords || !scales || !print) return false;
  MainMenu& menu = c.parts.mainMenu();
  QPushButton* show = c.parts.toolPanel().showChordsButton();
  pages.activate(PageId::Chords);
  chords->erase();
  menu.keyItems()[0]->trigger();  // C
  trigger(menu.menuMajor(), "maj7");
  show->click();
  menu.keyItems()[9]->trigger();  // A
  trigger(menu.menuMinor(), "m7");
  show->click();
  menu.keyItems()[7]->trigger();  // G
  trigger(menu.menuDominant(), "7");
  show->click();

  const auto sendChord = [&](int set, int diagram, int column, int row) {
    pages.activate(PageId::Chords);
    press(chords->imgChordPage(), QPoint(20 + 120 * diagram + 40, 30 + 150 * set + 50));
    chords->pmenu1SendtoPrintClick();
    press(print->imgPrintPage(), printCell(column, row));
  };
  const auto sendScale = [&](int set, int position, int column, int row) {
    pages.activate(PageId::Scales);
    press(scales->imgScales(), QPoint(20 + 120 * position + 50, 30 + 150 * set + 60));
    scales->pmenu1SendtoPrintClick();
    press(print->imgPrintPage(), printCell(column, row));
  };
  for (int d = 0; d < 3; ++d) {
    sendChord(0, d, d, 0);
    sendChord(1, d, 3 + d, 0);
    sendChord(2, d, d, 1);
  }
  for (int p = 0; p < 3; ++p) {
    sendScale(0, p, 3 + p, 1);
    sendScale(1, p, p, 2);
  }
  press(print->imgPrintPage(), printCell(1, 0));
  bool ok = save(c.parts.mainWindow(), c.out + "print-page.png");

  const QString pdf = c.out + "print-page.pdf";
  QString error;
  if (!writePrintoutPdf(print->printout(), pdf, error)) {
    qWarning("%s", qPrintable(error));
    return false;
  }
  const int rendered = QProcess::execute(
      "pdftoppm", {"-png", "-r", "80", "-singlefile", "-f", "1", "-l", "1", pdf, c.out + "print-pdf"});
  QFile::remove(pdf);
  ok = rendered == 0 && ok;
  return ok;
});
