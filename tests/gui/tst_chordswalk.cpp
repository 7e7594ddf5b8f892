// The road of one request through the real main window: "E" from "&Key", "m7" from "M&inor",
// "Show Chords", a press on the third diagram, more sets, page changes with the fretboard
// following the Chords page's item, and the wheel scrolling the page whatever has the focus.
#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

#include "gui/app/BottomPanel.h"
#include "gui/app/MainMenu.h"
#include "gui/app/MainWindow.h"
#include "gui/app/NoteSpelling.h"
#include "gui/app/ToolPanel.h"
#include "gui/app/TuningControls.h"
#include "gui/chords/ChordMenus.h"
#include "gui/chords/ChordsPage.h"
#include "gui/chords/ChordsWiring.h"
#include "gui/common/PageImage.h"
#include "gui/common/PageSwitcher.h"
#include "gui/common/ScriptedDialogService.h"
#include "gui/views/Fretboard.h"
#include "gui/views/FretboardView.h"
#include "platform/audio/PcmPlayer.h"

using namespace strumly;
using namespace strumly::gui;

namespace {

class HostForTest : public FretboardHost {
 public:
  explicit HostForTest(TfrmMain& w) : window(w) {}
  TfrmMain& window;
  std::optional<ChordDiagram> arpeggio;
  bool isPlayingOrBusy() const override { return window.IsPlayingOrBusy(); }
  bool playButtonDown() const override { return false; }
  bool chordDesignActive() const override { return window.pageControl()->currentIndex() == TfrmMain::pageChordDesign; }
  bool displayIntervalsDown() const override { return false; }
  Tuning currentTuning() const override { return window.bottomPanel()->tuningControls()->tuning(); }
  const NoteNames& noteNames() const override { return window.spelling().names(); }
  std::optional<ChordDiagram> arpeggioChord() const override { return arpeggio; }
};

QAction* itemNamed(QMenu* menu, const QString& caption) {
  for (QAction* a : menu->actions()) {
    if (a->menu()) {
      if (QAction* inner = itemNamed(a->menu(), caption)) return inner;
    } else if (a->text() == caption) {
      return a;
    }
  }
  return nullptr;
}

}  // namespace

class ChordsWiringTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void showChordsWalk() {
    QTemporaryDir dir;
    for (const char* file : {"kvcd3.dat", "kvma1.dat", "kvma2.dat", "kvmi1.dat", "kvmi2.dat", "kvdo1.dat", "kvdo2.dat"}) {
      QVERIFY(QFile::copy(QString(STRUMLY_PROGRAM_DIR "/") + file, dir.filePath(file)));
    }
    QFile ini(dir.filePath("Kv.ini"));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.close();
    ScriptedDialogService dialogs;
    PcmPlayer player("strumly-no-such-device");
    TfrmMain window(dialogs, player);
    HostForTest host(window);
    BottomPanel* bottom = window.bottomPanel();
    auto* neck = new FretboardView;
    bottom->setFretboard(neck);
    FretboardWidgets widgets;
    widgets.neck = neck;
    widgets.chordName = bottom->chordNameEdit();
    widgets.notes = bottom->notesEdit();
    for (int n = 0; n < 8; ++n) widgets.intervals[static_cast<std::size_t>(n)] = bottom->intervalLabel(n);
    Fretboard fretboard(widgets, host);
    PageHolders holders;
    ChordsPart part = installChordsPage(window, holders, dialogs, &fretboard);
    window.FormCreate(ProgramFolder::locate(dir.path(), dir.filePath("user")));
    window.show();

    // Given E from the Key menu and m7 from the Minor menu
    window.mainMenu()->keyItems()[4]->trigger();
    itemNamed(window.mainMenu()->menuMinor(), "m7")->trigger();
    QCOMPARE(window.toolPanel()->chordRootEdit()->text(), QString("E"));
    QCOMPARE(window.toolPanel()->chordNameEdit()->text(), QString("m7"));

    // When Show Chords is pressed
    window.toolPanel()->showChordsButton()->click();

    // Then six E m7 voicings stand as set 0 and the first is on the fretboard
    QVERIFY2(dialogs.notices.isEmpty(), qPrintable(dialogs.notices.join("; ")));
    QCOMPARE(part.page->model().setCount(), 1);
    for (int d = 0; d < 6; ++d) {
      QCOMPARE(int(holders.chordAt(d, 0).root), 4);
      QVERIFY(!holders.chordAt(d, 0).isEmpty());
    }
    QCOMPARE(window.pageControl()->currentIndex(), int(TfrmMain::pageChords));
    QVERIFY(window.bottomPanel()->tuningControls()->isLocked());
    QVERIFY(fretboard.chordShown());
    QCOMPARE(int(fretboard.lastShownRoot()), 4);
    QCOMPARE(bottom->notesEdit()->text(), QString(" E G B D"));
    QVERIFY(bottom->chordNameEdit()->text().startsWith("E m7"));

    // A left press on the third diagram shows it
    QTest::mouseClick(part.page->imgChordPage(), Qt::LeftButton, {}, QPoint(20 + 240 + 50, 30 + 60));
    QCOMPARE(part.page->model().selection(), (GridCell{2, 0}));
    QCOMPARE(holders.chordPageChord, holders.chordAt(2, 0));

    // More sets, up to five
    itemNamed(window.mainMenu()->menuMajor(), "maj7")->trigger();
    for (int i = 0; i < 4; ++i) window.toolPanel()->showChordsButton()->click();
    QCOMPARE(part.page->model().setCount(), 5);
    window.toolPanel()->showChordsButton()->click();
    QCOMPARE(dialogs.notices, QStringList{"Maximum is 5 sets of chords. Clear the Chord page."});

    // Leaving and re-entering the Chords page shows its item again
    const ChordDiagram item = holders.chordPageChord;
    window.pageControl()->setCurrentIndex(TfrmMain::pageChordDesign);
    QVERIFY(!window.bottomPanel()->tuningControls()->isLocked());
    fretboard.ClearFretboard();
    window.pageControl()->setCurrentIndex(TfrmMain::pageChords);
    QVERIFY(window.bottomPanel()->tuningControls()->isLocked());
    QVERIFY(fretboard.chordShown());
    QCOMPARE(bottom->chordNameEdit()->text().left(1), QString("E"));
    QCOMPARE(window.windowTitle(), QString("Strumly!   "));
    QCOMPARE(holders.chordPageChord, item);

    // The wheel over the strum-speed bar scrolls the page, not the bar
    QScrollBar* strum = window.toolPanel()->strumSpeed();
    QScrollBar* pageBar = part.page->scrollChordPage()->verticalScrollBar();
    pageBar->setValue(pageBar->maximum());
    const int strumBefore = strum->value();
    const int before = pageBar->value();
    QWheelEvent wheel(QPointF(5, 5), strum->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(strum, &wheel);
    QCOMPARE(strum->value(), strumBefore);
    QVERIFY(pageBar->value() < before);
  }
};

QTEST_MAIN(ChordsWiringTest)
#include "tst_chordswiring.moc"
