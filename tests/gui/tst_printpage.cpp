// The Print page driven as the user drives it: cells carried in from other pages, presses on
// the page image, the popup, the page file and what "Print Page" would print.
#include <QAction>
#include <QMenu>
#include <QtTest>

#include "gui/app/BottomPanel.h"
#include "gui/app/PageSwitcher.h"
#include "gui/common/PageImage.h"
#include "gui/print/PrintPage.h"
#include "support/PageRig.h"

using namespace strumly;
using namespace strumly::gui;

namespace {

PrintCell chordCell(int fret) {
  PrintCell cell;
  cell.empty = 0;
  cell.isChord = 1;
  cell.name = "maj";
  cell.intervals = {0, 4, 7, 255, 255, 255, 255, 255, 255, 255};
  for (auto& s : cell.strings) s = {static_cast<std::uint8_t>(fret), 1};
  return cell;
}

PrintCell scaleCell() {
  PrintCell cell;
  cell.empty = 0;
  cell.isChord = 0;
  cell.name = "Ionian";
  cell.intervals = {0, 2, 4, 5, 7, 9, 11, 99, 0, 0};
  return cell;
}

// Any dark pixel inside the cell's diagram: something is drawn there.
bool drawn(const QImage& image, int column, int row) {
  for (int y = 38 + 160 * row; y < 38 + 160 * row + 120; ++y)
    for (int x = 20 + 120 * column; x < 20 + 120 * column + 105; ++x)
      if (qGray(image.pixel(x, y)) < 128) return true;
  return false;
}

}  // namespace

class TestPrintPage : public QObject {
  Q_OBJECT

  struct Rig : PageRig {
    RecordingChordDisplay display;
    BottomPanel bottom{spelling};
    TargetPage scales{PageId::Scales, "Scales"};
    std::unique_ptr<PrintPage> page;
    std::unique_ptr<PageSwitcher> switcher;

    Rig() {
      page = std::make_unique<PrintPage>(holders, pages, dialogs, spelling, transport, display, settings);
      pages.add(*page);
      pages.add(scales);
      switcher = std::make_unique<PageSwitcher>(pages, transport, bottom, nullptr, &window);
    }
    void carry(const PrintCell& cell) {
      holders.heldCell = cell;
      pages.carryTo(PageId::Print);
    }
    void press(Qt::MouseButton button, int column, int row) {
      pressImage(page->imgPrintPage(), button, QPoint(20 + 120 * column + 50, 160 * row + 90),
                 page->popmenuPrint());
    }
    QAction* item(const char* name) { return page->popmenuPrint()->findChild<QAction*>(name); }
    const QImage& image() { return page->imgPrintPage()->image(); }
  };

 private Q_SLOTS:
  void dropsOntoEmptyCellsAtOnceAndAsksBeforeReplacing() {
    Rig rig;
    rig.carry(chordCell(3));
    rig.press(Qt::LeftButton, 2, 1);
    QVERIFY(rig.dialogs.questions.isEmpty());
    QCOMPARE(rig.holders.cellAt(2, 1), chordCell(3));
    QVERIFY(drawn(rig.image(), 2, 1));
    QCOMPARE(rig.display.shown.last().strings[0].fret, std::uint8_t{3});
    QCOMPARE(rig.page->imgPrintPage()->selectionFrame(), selectionFrame(DiagramPage::Print, {2, 1}));

    rig.carry(chordCell(5));
    rig.dialogs.answers = {DialogService::Answer::No};
    rig.press(Qt::LeftButton, 2, 1);
    QCOMPARE(rig.dialogs.questions, QStringList{"Do you want to replace this diagram?"});
    QCOMPARE(rig.holders.cellAt(2, 1), chordCell(3));
    rig.dialogs.answers = {DialogService::Answer::Yes};
    rig.press(Qt::LeftButton, 2, 1);
    QCOMPARE(rig.holders.cellAt(2, 1), chordCell(5));
  }

  void deletingTheLastUsedCellClearsThePage() {
    Rig rig;
    rig.carry(scaleCell());
    rig.press(Qt::LeftButton, 0, 0);
    QVERIFY(drawn(rig.image(), 0, 0));
    rig.press(Qt::RightButton, 0, 0);
    rig.dialogs.answers = {DialogService::Answer::Yes};
    rig.item("pmenu3Delete")->trigger();
    QCOMPARE(rig.dialogs.questions.last(), QString("Do you want to erase this diagram?"));
    QCOMPARE(rig.dialogs.confirmDefaults.last(), DialogService::Answer::No);
    QCOMPARE(rig.holders.usedPrintCells(), 0);
    QVERIFY(rig.holders.printPageCell.isEmpty());
    QVERIFY(rig.page->imgPrintPage()->selectionFrame().isNull());
    QVERIFY(!drawn(rig.image(), 0, 0));
    QVERIFY(rig.page->printout().isEmpty());  // an empty page prints nothing
  }

  void aScaleCellOffersOnlyTheScalePageAndIsSentThere() {
    Rig rig;
    rig.holders.cellAt(1, 0) = chordCell(1);
    rig.holders.cellAt(3, 2) = scaleCell();
    rig.page->redrawPage();
    rig.press(Qt::RightButton, 3, 2);
    QVERIFY(rig.item("pmenu3SendtoScale")->isEnabled());
    QVERIFY(!rig.item("pmenu3SendtoDesign")->isEnabled());
    QVERIFY(!rig.item("pmenu3SendtoPlay")->isEnabled());
    rig.item("pmenu3SendtoScale")->trigger();
    QCOMPARE(rig.holders.heldCell, scaleCell());
    QCOMPARE(rig.tabs.currentWidget(), &rig.scales.tab);
    rig.tabs.setCurrentWidget(rig.page.get());
    rig.press(Qt::RightButton, 1, 0);
    QVERIFY(!rig.item("pmenu3SendtoScale")->isEnabled());
    QVERIFY(rig.item("pmenu3SendtoDesign")->isEnabled() && rig.item("pmenu3SendtoPlay")->isEnabled());
  }

  void theFootSwitchStepsThroughTheUsedCellsInRowOrder() {
    Rig rig;
    rig.holders.cellAt(5, 0) = chordCell(1);
    rig.holders.cellAt(0, 1) = chordCell(2);
    rig.page->redrawPage();
    rig.press(Qt::LeftButton, 5, 0);
    rig.page->SelectNextDiagram();  // past column 5: the next row
    QCOMPARE(rig.page->model().selection(), (GridCell{0, 1}));
    QCOMPARE(rig.display.shown.last().strings[0].fret, std::uint8_t{2});
    QCOMPARE(rig.page->imgPrintPage()->selectionFrame(), selectionFrame(DiagramPage::Print, {0, 1}));
    rig.page->SelectNextDiagram();  // past the last used cell: back to the first
    QCOMPARE(rig.page->model().selection(), (GridCell{5, 0}));
    // A cell picked up by Move goes back to its place before the step, and is stepped to.
    rig.press(Qt::RightButton, 0, 1);
    rig.item("pmenu3Move")->trigger();
    rig.page->SelectNextDiagram();
    QCOMPARE(rig.holders.cellAt(0, 1), chordCell(2));
    QCOMPARE(rig.page->model().selection(), (GridCell{0, 1}));
  }

  void printsThePageWithoutItsSelectionFrameUnderItsTitle() {
    Rig rig;
    rig.carry(chordCell(2));
    rig.press(Qt::LeftButton, 1, 1);
    const PixelRect frame = selectionFrame(DiagramPage::Print, {1, 1});
    QCOMPARE(QColor(rig.image().pixel(frame.left, frame.bottom - 1)), QColor(Qt::red));
    const PagePrintout printout = rig.page->printout();
    QCOMPARE(printout.pictures.size(), 1);
    QCOMPARE(QColor(printout.pictures[0].image().pixel(frame.left, frame.bottom - 1)), QColor(Qt::white));
    QCOMPARE(printout.titles, QStringList{"Strumly! Print Page: "});
  }

  void aRefusedFileLeavesThePageAndASavedOneOpensAgain() {
    Rig rig;
    QTemporaryDir dir;
    rig.carry(chordCell(4));
    rig.press(Qt::LeftButton, 5, 4);
    rig.dialogs.fileNames = {dir.filePath("song.gpr")};
    QVERIFY(rig.page->save(false));
    QFile shortFile(dir.filePath("short.prf"));
    QVERIFY(shortFile.open(QIODevice::WriteOnly));
    shortFile.write(QByteArray(200, '\0'));
    shortFile.close();
    QVERIFY(!rig.page->OpenPrintPageFile(shortFile.fileName()));
    QCOMPARE(rig.dialogs.notices.size(), 1);
    QCOMPARE(rig.holders.cellAt(5, 4), chordCell(4));

    rig.page->erase();
    QVERIFY(rig.page->OpenPrintPageFile(dir.filePath("song.gpr")));
    QCOMPARE(rig.holders.cellAt(5, 4), chordCell(4));
    QCOMPARE(rig.page->fileName(), QString("song.gpr"));
    QCOMPARE(rig.page->model().selection(), (GridCell{5, 4}));
    QVERIFY(drawn(rig.image(), 5, 4));
    rig.page->erase();
    rig.dialogs.fileNames = {dir.filePath("song.gpr")};
    QVERIFY(rig.page->openWithPrompt());
    QCOMPARE(rig.holders.cellAt(5, 4), chordCell(4));
    QCOMPARE(rig.dialogs.fileDialogFilters.last(), QString("Print Page Files (*.gpr; *.prf)"));

    rig.dialogs.fileNames = {dir.filePath("missing/song.gpr")};
    QVERIFY(!rig.page->save(true));  // a folder that does not exist: told, and reported as failed
    QCOMPARE(rig.dialogs.notices.size(), 2);
  }
};

QTEST_MAIN(TestPrintPage)
#include "tst_printpage.moc"
