// The road of one request with the shipped dictionary and the real fretboard: "E" from the Key
// menu, "m7" from the Minor menu, "Show Chords", a press on the third diagram, more sets, page
// changes with the fretboard following the Chords page's item, and the wheel scrolling the page
// whatever has the focus.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "gui/app/NoteSpelling.h"
#include "gui/chords/ChordMenus.h"
#include "gui/chords/ChordsPage.h"
#include "gui/common/PageImage.h"
#include "gui/common/PageSwitcher.h"
#include "gui/common/ScriptedDialogService.h"
#include "gui/common/WindowKeys.h"
#include "gui/views/Fretboard.h"
#include "gui/views/FretboardView.h"

using namespace strumly;
using namespace strumly::gui;

namespace {

class HostForTest : public FretboardHost {
 public:
  NoteNames names;
  bool isPlayingOrBusy() const override { return false; }
  bool playButtonDown() const override { return false; }
  bool chordDesignActive() const override { return false; }
  bool displayIntervalsDown() const override { return false; }
  Tuning currentTuning() const override { return {}; }
  const NoteNames& noteNames() const override { return names; }
  std::optional<ChordDiagram> arpeggioChord() const override { return std::nullopt; }
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

class ChordsWalkTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void showChordsWalk() {
    QWidget window;
    auto* column = new QVBoxLayout(&window);
    QMenu major, minor, dominant, scale;
    for (QMenu* m : {&major, &minor, &dominant, &scale}) m->addMenu("More...");
    QList<QAction*> keys;
    for (int k = 0; k < 12; ++k) keys << new QAction(&window);
    auto* root = new QLineEdit;
    auto* name = new QLineEdit;
    auto* show = new QPushButton("Show Chords");
    auto* strum = new QScrollBar(Qt::Horizontal);
    strum->setRange(-600, 0);
    auto* tabs = new QTabWidget;
    auto* designTab = new QWidget;
    auto* neck = new FretboardView;
    auto* chordName = new QLineEdit;
    auto* notes = new QLineEdit;
    for (QWidget* w : std::initializer_list<QWidget*>{root, name, show, strum, tabs, neck, chordName, notes})
      column->addWidget(w);
    NoteSpelling spelling;
    ScriptedDialogService dialogs;
    PageHolders holders;
    ChordMenus menus({keys, &major, &minor, &dominant, &scale}, {root, name, show, nullptr}, spelling);
    PageSwitcher switcher(tabs, &window);
    auto* page = new ChordsPage(holders, menus, switcher, dialogs, spelling, STRUMLY_PROGRAM_DIR);
    tabs->addTab(page, "Chords");
    tabs->addTab(designTab, "Chord Design");
    switcher.setPage(Page::Chords,
                     {page, page->imgChordPage(), [page] { return page->scrollChordPage(); },
                      [page] { return page->fileName(); }, [page] { page->showOnFretboard(); }});
    switcher.setPage(Page::ChordDesign, {designTab, nullptr, {}, {}, {}});
    bool tuningLocked = false;
    switcher.setTuningLock([&tuningLocked](bool locked) { tuningLocked = locked; });
    switcher.installWheelFilter();

    HostForTest host;
    FretboardWidgets widgets;
    widgets.neck = neck;
    widgets.chordName = chordName;
    widgets.notes = notes;
    std::array<QLabel, 8> intervals;
    for (std::size_t n = 0; n < 8; ++n) widgets.intervals[n] = &intervals[n];
    Fretboard fretboard(widgets, host);
    ChordsPage::Hooks hooks;
    hooks.redrawFretboard = [&fretboard](const ChordDiagram& chord) { fretboard.RedrawFretboard(chord); };
    hooks.clearFretboard = [&fretboard] { fretboard.ClearFretboard(); };
    hooks.returnFocus = [strum] { strum->setFocus(); };
    page->setHooks(hooks);
    QObject::connect(show, &QPushButton::clicked, page, &ChordsPage::btnShowChordsClick);
    window.resize(900, 700);
    window.show();

    // Given E from the Key menu and m7 from the Minor menu
    keys[4]->trigger();
    itemNamed(&minor, "m7")->trigger();
    QCOMPARE(root->text(), QString("E"));
    QCOMPARE(name->text(), QString("m7"));

    // When Show Chords is pressed
    tabs->setCurrentWidget(designTab);
    show->click();

    // Then six E m7 voicings stand as set 0 and the first is on the fretboard
    QVERIFY2(dialogs.notices.isEmpty(), qPrintable(dialogs.notices.join("; ")));
    QCOMPARE(page->model().setCount(), 1);
    QCOMPARE(tabs->currentWidget(), page);
    QVERIFY(tuningLocked);
    for (int d = 0; d < 6; ++d) {
      QCOMPARE(int(holders.chordAt(d, 0).root), 4);
      QCOMPARE(holders.chordAt(d, 0).name.str(), std::string("m7"));
    }
    QVERIFY(fretboard.chordShown());
    QCOMPARE(int(fretboard.lastShownRoot()), 4);
    QCOMPARE(notes->text(), QString(" E G B D"));
    QCOMPARE(chordName->text(), QString("E m7"));
    QCOMPARE(intervals[1].text(), QString("b3"));

    // A left press on the third diagram shows it
    QTest::mouseClick(page->imgChordPage(), Qt::LeftButton, {}, QPoint(20 + 240 + 50, 30 + 60));
    QCOMPARE(page->model().selection(), (GridCell{2, 0}));
    QCOMPARE(holders.chordPageChord, holders.chordAt(2, 0));

    // More sets, up to five
    itemNamed(&major, "maj7")->trigger();
    for (int i = 0; i < 4; ++i) show->click();
    QCOMPARE(page->model().setCount(), 5);
    QCOMPARE(holders.chordAt(0, 4).name.str(), std::string("maj7"));
    show->click();
    QCOMPARE(dialogs.notices, QStringList{"Maximum is 5 sets of chords. Clear the Chord page."});

    // Leaving and re-entering the Chords page shows its item again
    tabs->setCurrentWidget(designTab);
    QVERIFY(!tuningLocked);
    fretboard.ClearFretboard();
    QVERIFY(notes->text().isEmpty());
    tabs->setCurrentWidget(page);
    QVERIFY(tuningLocked);
    QCOMPARE(chordName->text(), QString("E maj7"));
    QCOMPARE(window.windowTitle(), QString("Strumly!   "));

    // The wheel over the strum-speed bar scrolls the page, not the bar
    QScrollBar* pageBar = page->scrollChordPage()->verticalScrollBar();
    QVERIFY(pageBar->maximum() > 0);
    pageBar->setValue(pageBar->maximum());
    const int strumBefore = strum->value();
    const int before = pageBar->value();
    QWheelEvent wheel(QPointF(5, 5), strum->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(strum, &wheel);
    QCOMPARE(strum->value(), strumBefore);
    QVERIFY(pageBar->value() < before);

    // Space on the Chords page with nothing playing starts playback; other keys park the focus.
    WindowKeys windowKeys(&window, strum);
    int starts = 0;
    WindowKeys::Hooks keyHooks;
    keyHooks.state = [&switcher] {
      return KeyState{switcher.current().value_or(Page::Chords), false, false, false};
    };
    keyHooks.startPlay = [&starts] { ++starts; };
    windowKeys.setHooks(keyHooks);
    windowKeys.install();
    root->setFocus();
    QTest::keyClick(root, Qt::Key_Space);
    QCOMPARE(starts, 1);
    QTest::keyClick(root, Qt::Key_X);
    QCOMPARE(window.focusWidget(), static_cast<QWidget*>(strum));
  }
};

QTEST_MAIN(ChordsWalkTest)
#include "tst_chordswalk.moc"
