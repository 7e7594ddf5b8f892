// The Scales page driven as the user drives it: Show Scale against a scale file written by the
// test, presses on the page image, a scale cell carried from the Print page, and the beginning-fret
// dialog.
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

#include "core/pages/RecordConversions.h"
#include "core/scales/ScaleDictionary.h"
#include "gui/app/BottomPanel.h"
#include "gui/app/PageFilePrintout.h"
#include "gui/common/PageImage.h"
#include "gui/controls/TdlgBeginFret.h"
#include "gui/scales/ScalesPage.h"
#include "gui/views/ScaleDisplay.h"
#include "support/MenuLookup.h"
#include "support/PageRig.h"
#include "support/ProgramFixture.h"

using namespace strumly;
using namespace strumly::gui;

class TestScalesPage : public QObject {
  Q_OBJECT

  // What the page asked the fretboard to show, in order.
  class RecordingDisplay : public RecordingChordDisplay, public ScaleDisplay {
   public:
    QList<ScaleDiagram> scales;
    QList<int> beginFrets;
    void ShowScale(const ScaleDiagram& scale, int beginFret, int) override {
      scales << scale;
      beginFrets << beginFret;
    }
  };

  struct Rig : PageRig {
    RecordingDisplay display;
    std::unique_ptr<ScalesPage> page;

    explicit Rig(qsizetype scaleFileBytes = -1) {
      std::vector<std::uint8_t> bytes = buildScaleFile();
      if (scaleFileBytes >= 0) bytes.resize(static_cast<std::size_t>(scaleFileBytes));
      QFile f(dir.filePath("kvs.dat"));
      if (f.open(QIODevice::WriteOnly))
        f.write(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
      f.close();
      page = std::make_unique<ScalesPage>(holders, pages, dialogs, spelling, transport,
                                          ScalesPageDisplay{display, display}, settings,
                                          std::filesystem::path(dir.path().toStdString()));
      pages.add(*page);
    }
    void press(Qt::MouseButton button, int position, int set) {
      pressImage(page->imgScales(), button, QPoint(20 + 120 * position + 40, 30 + 150 * set + 50),
                 page->popmenuScales());
    }
  };

 private Q_SLOTS:
  void longScaleNamesShowTheirStart() {
    ProgramFixture program({.page = PageId::Scales});
    ProgramParts& parts = *program.parts;
    parts.mainMenu().keyItems()[0]->trigger();
    itemNamed(parts.mainMenu().menuScale(), "Harmonic Minor (HM)")->trigger();
    QLineEdit* top = parts.toolPanel().chordNameEdit();
    QCOMPARE(top->text(), QString("Harmonic Minor (HM)"));
    QCOMPARE(top->cursorPosition(), 0);
    parts.toolPanel().showChordsButton()->click();
    // The read-out under the neck names the key first.
    QLineEdit* bottom = parts.bottomPanel().chordNameEdit();
    QCOMPARE(bottom->text(), QString("C Harmonic Minor (HM)"));
    QCOMPARE(bottom->cursorPosition(), 0);
  }

  void printPageDropLandsInTheFirstFreeSetOrReplacesAUsedOne() {
    Rig rig;
    rig.page->addScaleSet(10, 9, "Minor Pentatonic");
    rig.page->addScaleSet(0, 7, "Ionian (Major)");
    QCOMPARE(rig.page->model().setCount(), 2);

    ScaleDiagram blues;
    blues.empty = 0;
    blues.name = "Blues 2";
    blues.root = 2;
    blues.intervals = {0, 2, 3, 4, 7, 9, 99, 99, 99, 99};
    rig.holders.heldCell = scaleToCell(blues);
    rig.holders.heldCell.beginFret = 8;
    QVERIFY(rig.pages.carryTo(PageId::Scales));
    QVERIFY(rig.page->placing());
    rig.press(Qt::LeftButton, 3, 4);
    QCOMPARE(rig.page->model().setCount(), 3);
    const ScaleDiagram& dropped = rig.holders.scalePage[2];
    QCOMPARE(dropped.name.str(), std::string("Blues 2"));
    QCOMPARE(dropped.beginFrets, (std::array<std::uint8_t, 6>{1, 4, 8, 12, 16, 20}));
    QCOMPARE(rig.page->model().selection(), (GridCell{0, 2}));
    QCOMPARE(rig.display.scales.last(), dropped);
    QVERIFY(rig.holders.scalePage[3].isEmpty());
    QVERIFY(!rig.page->placing());
    QVERIFY(rig.dialogs.questions.isEmpty());

    // Onto a used set the user is asked first; No keeps the set and the carried cell.
    rig.pages.carryTo(PageId::Scales);
    rig.press(Qt::LeftButton, 0, 0);
    QCOMPARE(rig.dialogs.questions, QStringList{"Do you want to replace this row of diagrams?"});
    QCOMPARE(rig.holders.scalePage[0].name.str(), std::string("Minor Pentatonic"));
    rig.dialogs.answers << DialogService::Answer::Yes;
    rig.press(Qt::LeftButton, 0, 0);
    QCOMPARE(rig.holders.scalePage[0].name.str(), std::string("Blues 2"));
    QCOMPARE(rig.page->model().setCount(), 3);
  }

  void beginFretDialogRefusesZeroAndTwentyOneAndStaysOpen() {
    Rig rig;
    rig.page->addScaleSet(10, 9, "Minor Pentatonic");
    rig.press(Qt::LeftButton, 2, 0);  // selected: its fret shows on the neck
    rig.press(Qt::RightButton, 2, 0);
    QVERIFY(rig.page->popupArmed());
    itemNamed(rig.page->popmenuScales(), "Change Beginning Fret")->trigger();
    TdlgBeginFret* dialog = rig.page->dlgBeginFret();
    QTRY_VERIFY(dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QString("Change Beginning Fret"));
    QCOMPARE(dialog->meditBeginFret()->text(), QString("8"));
    auto* ok = dialog->findChild<QPushButton*>("btnOK");
    for (const char* refused : {"0", "21"}) {
      dialog->meditBeginFret()->setText(refused);
      ok->click();
      QVERIFY2(dialog->isVisible(), refused);
      QCOMPARE(dialog->label1()->palette().color(QPalette::WindowText), QColor(Qt::red));
    }
    QCOMPARE(int(rig.holders.scalePage[0].beginFrets[2]), 8);
    dialog->meditBeginFret()->setText("10");
    ok->click();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(int(rig.holders.scalePage[0].beginFrets[2]), 10);
    QCOMPARE(int(rig.holders.currentScale.beginFrets[2]), 10);
    QCOMPARE(rig.display.beginFrets.last(), 10);
  }

  void savedPageOpensWithItsSetsAndTheFirstPositionSelected() {
    Rig rig;
    rig.page->addScaleSet(10, 9, "Minor Pentatonic");
    rig.page->addScaleSet(0, 7, "Ionian (Major)");
    const QString path = rig.dir.filePath("two.spf");
    rig.dialogs.fileNames << path;
    QVERIFY(rig.page->save(false));
    QCOMPARE(QFileInfo(path).size(), 564);
    rig.page->erase();
    QCOMPARE(rig.page->model().setCount(), 0);
    rig.dialogs.fileNames << path;
    QVERIFY(rig.page->openWithPrompt());
    QCOMPARE(rig.page->model().setCount(), 2);
    QCOMPARE(rig.holders.scalePage[1].name.str(), std::string("Ionian (Major)"));
    QCOMPARE(rig.page->model().selection(), (GridCell{0, 0}));
    QCOMPARE(rig.display.scales.last(), rig.holders.scalePage[0]);
    QCOMPARE(rig.page->fileName(), QString("two.spf"));

    // "Print Page" prints the page without its frame, just as printing the file from the command line.
    const PagePrintout printout = rig.page->printout();
    QCOMPARE(printout.titles, QStringList{"Strumly! Scale Page: two.spf"});
    QCOMPARE(printoutOfPageFile(path, rig.settings).pictures, printout.pictures);
    const PixelRect frame = selectionFrame(DiagramPage::Scales, {0, 0});
    QCOMPARE(QColor(printout.pictures[0].image().pixel(frame.left, frame.bottom - 1)), QColor(Qt::white));
    rig.page->erase();
    QVERIFY(rig.page->printout().isEmpty());
  }

  void missingOrShortScaleFileAddsNoSet() {
    {
      Rig rig(kScaleRecordCount * 37 - 10);  // the last record is cut short
      rig.page->addScaleSet(46, 0, "JM 7 (Super Locrian)");
      QCOMPARE(rig.page->model().setCount(), 0);
      QCOMPARE(rig.dialogs.notices.size(), 1);
      QVERIFY(rig.dialogs.notices[0].contains("too short"));
    }
    Rig rig;
    QFile::remove(rig.dir.filePath("kvs.dat"));
    rig.page->addScaleSet(0, 0, "Ionian (Major)");
    QCOMPARE(rig.dialogs.notices, QStringList{"Could Not Find Scale Data File."});
    QCOMPARE(rig.page->model().setCount(), 0);
  }
};

QTEST_MAIN(TestScalesPage)
#include "tst_scalespage.moc"
