// The Chords page driven as the user drives it: key and chord menus, "Show Chords", presses on
// the page image and the popup commands, against dictionary files written by the test itself
// so that every diagram tells which record it came from.
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

#include "core/chords/ChordTypes.h"
#include "gui/app/BottomPanel.h"
#include "gui/app/PageSwitcher.h"
#include "gui/chords/ChordMenus.h"
#include "gui/chords/ChordsPage.h"
#include "gui/common/Command.h"
#include "gui/common/PageImage.h"
#include "gui/controls/TuningControls.h"
#include "support/MenuLookup.h"
#include "support/PageRig.h"

using namespace strumly;
using namespace strumly::gui;

namespace {

// Shape record r of part p: byte 0 and the fret of string 0 spell r, the finger of string 1 the part.
QByteArray shapeFile(int records, int part) {
  QByteArray bytes;
  for (int r = 0; r < records; ++r) {
    bytes.append(char(r & 0xFF));
    bytes.append(char(r >> 8)).append(char(1));
    bytes.append(char(3)).append(char(part));
    for (int s = 2; s < 5; ++s) bytes.append(char(2)).append(char(2));
    bytes.append(char(0)).append(char(kFingerMuted));
  }
  return bytes;
}

// Type record i: name "t<i>", formula "f<i>  ", intervals 0 4 7 except minor 7 (index 20).
QByteArray typeFile() {
  QByteArray bytes;
  for (int i = 0; i < kChordTypeCount; ++i) {
    QByteArray intervals = i == 20 ? QByteArray("\x00\x03\x07\x0a\xff\xff\xff", 7)
                                   : QByteArray("\x00\x04\x07\xff\xff\xff\xff", 7);
    QByteArray name = "t" + QByteArray::number(i);
    QByteArray formula = "f" + QByteArray::number(i) + "  ";
    bytes.append(intervals);
    bytes.append(char(name.size())).append(name.leftJustified(15, '\0'));
    bytes.append(char(formula.size())).append(formula.leftJustified(20, '\0'));
  }
  return bytes;
}

int recordOf(const ChordDiagram& d) {
  return d.beginFret | (d.strings[0].fret << 8);
}

}  // namespace

class TestChordsPage : public QObject {
  Q_OBJECT

  struct Rig : PageRig {
    QMenu key, major, minor, dominant, scale;
    CommandTable commands{&transport, nullptr};
    QLineEdit root, name;
    QPushButton show{"Show Chords"};
    QLabel nameLabel{"Chord Name"};
    RecordingChordDisplay display;
    BottomPanel bottom{spelling};
    TargetPage design{PageId::ChordDesign, "Chord Design"};
    TargetPage play{PageId::PlayPage, "PlayPage"};
    std::unique_ptr<ChordMenus> menus;
    std::unique_ptr<ChordsPage> page;
    // Last, so that it goes first: the page leaves the page control as it is destroyed, and
    // nothing may answer that change.
    std::unique_ptr<PageSwitcher> switcher;

    Rig() {
      writeData();
      for (QMenu* m : {&major, &minor, &dominant, &scale}) m->addMenu("More...");
      menus = std::make_unique<ChordMenus>(ChordMenus::Menus{&key, &major, &minor, &dominant, &scale},
                                           ChordMenus::Readouts{&root, &name, &show, &nameLabel}, spelling,
                                           commands);
      page = std::make_unique<ChordsPage>(holders, *menus, pages, dialogs, spelling, transport, display,
                                          std::filesystem::path(dir.path().toStdString()), settings);
      QObject::connect(&show, &QPushButton::clicked, page.get(), &ChordsPage::btnShowChordsClick);
      pages.add(*page);
      pages.add(design);
      pages.add(play);
      switcher = std::make_unique<PageSwitcher>(pages, transport, bottom, nullptr, &window);
    }
    void writeData() {
      const auto write = [this](const char* file, const QByteArray& bytes) {
        QFile f(dir.filePath(file));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
      };
      for (const auto& info : kFamilies) {
        write(info.shapeFile1.data(), shapeFile(info.recordsPerFile(), 1));
        write(info.shapeFile2.data(), shapeFile(info.recordsPerFile(), 2));
      }
      write("kvcd3.dat", typeFile());
    }
    void pick(PitchClass pitch, QMenu* menu = nullptr, const QString& caption = {}) {
      key.actions().at(pitch)->trigger();
      if (menu) itemNamed(menu, caption)->trigger();
    }
    void press(Qt::MouseButton button, int column, int row) {
      pressImage(page->imgChordPage(), button, QPoint(20 + 120 * column + 40, 30 + 150 * row + 50),
                 page->popmenuChords());
    }
    void choose(const QString& caption) { itemNamed(page->popmenuChords(), caption)->trigger(); }
  };

 private Q_SLOTS:
  void showChordsWithNoTypeChosenAddsMajorOfTheKey() {
    Rig rig;
    rig.tabs.setCurrentWidget(&rig.design.tab);
    rig.show.click();
    QCOMPARE(rig.page->model().setCount(), 0);  // no key chosen yet: nothing happens

    rig.pick(4);
    QCOMPARE(rig.root.text(), QString("E"));
    {
      // The menus' items are commands: while busy a key waits like everything else.
      const Transport::BusyCursor busy(rig.transport);
      rig.pick(7);
    }
    QCOMPARE(rig.root.text(), QString("E"));
    rig.show.click();
    QCOMPARE(rig.name.text(), QString("major"));
    QCOMPARE(rig.page->model().setCount(), 1);
    QCOMPARE(rig.tabs.currentWidget(), rig.page.get());
    QVERIFY(rig.bottom.tuningControls()->isLocked());
    // Voicings 1..3 from the "1" file, 4..6 from the "2" file, records 4 x 57 .. + 2.
    for (int d = 0; d < 6; ++d) {
      const ChordDiagram& c = rig.holders.chordAt(d, 0);
      QCOMPARE(recordOf(c), 4 * 57 + d % 3);
      QCOMPARE(int(c.strings[1].finger), d < 3 ? 1 : 2);
      QCOMPARE(int(c.root), 4);
      QCOMPARE(c.name.str(), std::string("t0"));
    }
    QVERIFY(!rig.display.shown.isEmpty());
    QCOMPARE(rig.display.shown.last(), rig.holders.chordAt(0, 0));
    QCOMPARE(rig.page->model().selection(), (GridCell{0, 0}));
    QCOMPARE(rig.page->imgChordPage()->selectionFrame(), selectionFrame(DiagramPage::Chords, {0, 0}));
  }

  void chosenMinorSeventhAndHeadingArea() {
    Rig rig;
    rig.pick(4, &rig.minor, "m7");
    QCOMPARE(rig.name.text(), QString("m7"));
    const QImage before = rig.page->imgChordPage()->image().copy();
    rig.show.click();
    const ChordDiagram& first = rig.holders.chordAt(0, 0);
    QCOMPARE(recordOf(first), 4 * 51 + 1 * 3);
    QCOMPARE(first.name.str(), std::string("t20"));
    // The heading line above the set and the six diagrams were drawn.
    const QImage& after = rig.page->imgChordPage()->image();
    QVERIFY(after.copy(20, 16, 300, 12) != before.copy(20, 16, 300, 12));
    for (int d = 0; d < 6; ++d)
      QVERIFY(after.copy(20 + 120 * d, 30, 105, 120) != before.copy(20 + 120 * d, 30, 105, 120));
  }

  void fiveSetsAtMostAndTheSixthChangesNothing() {
    Rig rig;
    rig.pick(0);
    for (int i = 0; i < 5; ++i) rig.show.click();
    QCOMPARE(rig.page->model().setCount(), 5);
    QVERIFY(rig.dialogs.notices.isEmpty());
    const QImage before = rig.page->imgChordPage()->image().copy();
    const int shownBefore = rig.display.shown.size();
    rig.show.click();
    QCOMPARE(rig.dialogs.notices, QStringList{"Maximum is 5 sets of chords. Clear the Chord page."});
    QCOMPARE(rig.page->model().setCount(), 5);
    QCOMPARE(rig.display.shown.size(), shownBefore);
    QCOMPARE(rig.page->imgChordPage()->image(), before);
  }

  void rightPressMovesOnlyTheTarget() {
    Rig rig;
    rig.pick(2);
    rig.show.click();
    rig.show.click();
    const int shownBefore = rig.display.shown.size();
    rig.press(Qt::RightButton, 3, 0);
    QVERIFY(rig.page->popupArmed());
    QCOMPARE(rig.page->model().target(), (GridCell{3, 0}));
    QCOMPARE(rig.page->model().selection(), (GridCell{0, 1}));
    QCOMPARE(rig.display.shown.size(), shownBefore);

    rig.press(Qt::LeftButton, 3, 0);
    QCOMPARE(rig.page->model().selection(), (GridCell{3, 0}));
    QCOMPARE(rig.display.shown.last(), rig.holders.chordAt(3, 0));
    QCOMPARE(rig.holders.chordPageChord, rig.holders.chordAt(3, 0));
  }

  void pressBelowTheLastSetArmsNothing() {
    Rig rig;
    rig.pick(2);
    rig.show.click();
    const int shownBefore = rig.display.shown.size();
    rig.press(Qt::LeftButton, 1, 2);
    QVERIFY(!rig.page->popupArmed());
    QCOMPARE(rig.page->model().target(), (GridCell{1, 2}));
    QCOMPARE(rig.page->model().selection(), (GridCell{0, 0}));
    QCOMPARE(rig.display.shown.size(), shownBefore);
    // Popup commands have nothing to act on there.
    rig.choose("Send to Chord Design");
    QVERIFY(rig.holders.heldChord.isEmpty());
  }

  void missingChordFilesChangeNothing() {
    Rig rig;
    rig.pick(9, &rig.dominant, "7");
    QVERIFY(QFile::remove(rig.dir.filePath("kvdo2.dat")));
    rig.tabs.setCurrentWidget(&rig.design.tab);
    rig.show.click();
    QCOMPARE(rig.dialogs.notices, QStringList{"Could Not Find Chord Data Files."});
    QCOMPARE(rig.page->model().setCount(), 0);
    QCOMPARE(rig.tabs.currentWidget(), &rig.design.tab);
    QVERIFY(rig.display.shown.isEmpty());
    // Other families still work.
    itemNamed(&rig.major, "maj7")->trigger();
    rig.show.click();
    QCOMPARE(rig.page->model().setCount(), 1);
  }

  void busyIgnoresShowAndPressesAndPageChanges() {
    Rig rig;
    rig.pick(0);
    {
      const Transport::BusyCursor busy(rig.transport);
      rig.show.click();
      QCOMPARE(rig.page->model().setCount(), 0);
    }
    rig.show.click();
    const Transport::BusyCursor busy(rig.transport);
    rig.press(Qt::LeftButton, 4, 0);
    QCOMPARE(rig.page->model().selection(), (GridCell{0, 0}));
    rig.tabs.setCurrentWidget(&rig.play.tab);
    QCOMPARE(rig.tabs.currentWidget(), rig.page.get());
  }

  // A popup opened before playback began does nothing once it plays: no item sends, plays or
  // selects.
  void popupItemsAreRefusedWhilePlaying() {
    Rig rig;
    QSignalSpy plays(rig.page.get(), &ChordsPage::playRequested);
    rig.pick(0);
    rig.show.click();
    rig.press(Qt::RightButton, 3, 0);
    const Transport::BusyCursor busy(rig.transport);
    for (const char* item :
         {"Play Chord", "Send to Chord Design", "Send to PlayPage", "Send to Print Page", "Show Arpeggio"})
      rig.choose(item);
    QCOMPARE(plays.count(), 0);
    QVERIFY(rig.holders.heldChord.isEmpty());
    QVERIFY(rig.holders.heldCell.isEmpty());
    QCOMPARE(rig.display.arpeggios, 0);
    QCOMPARE(rig.page->model().selection(), (GridCell{0, 0}));
    QVERIFY(!rig.design.image->testAttribute(Qt::WA_SetCursor));
  }

  void sendCommandsCarryTheTargetWithThePlacementCursor() {
    Rig rig;
    rig.pick(7);
    rig.show.click();
    rig.press(Qt::RightButton, 5, 0);
    rig.choose("Send to Chord Design");
    QCOMPARE(rig.holders.heldChord, rig.holders.chordAt(5, 0));
    QCOMPARE(rig.tabs.currentWidget(), &rig.design.tab);
    QVERIFY(rig.design.image->testAttribute(Qt::WA_SetCursor));
    QVERIFY(!rig.play.image->testAttribute(Qt::WA_SetCursor));
    QCOMPARE(rig.page->model().selection(), (GridCell{0, 0}));

    rig.choose("Send to PlayPage");
    QCOMPARE(rig.tabs.currentWidget(), &rig.play.tab);
    QVERIFY(rig.play.image->testAttribute(Qt::WA_SetCursor));
    QVERIFY(!rig.design.image->testAttribute(Qt::WA_SetCursor));  // entering a page drops the carried diagram

    // Back on the Chords page the fretboard shows its selected diagram again.
    rig.tabs.setCurrentWidget(rig.page.get());
    QCOMPARE(rig.display.shown.last(), rig.holders.chordAt(0, 0));
    QCOMPARE(rig.window.windowTitle(), QString("Strumly!   "));
  }

  void playAndArpeggioSelectTheTargetFirst() {
    Rig rig;
    QSignalSpy plays(rig.page.get(), &ChordsPage::playRequested);
    rig.pick(0);
    rig.show.click();
    rig.press(Qt::RightButton, 2, 0);
    rig.choose("Play Chord");
    QCOMPARE(plays.count(), 1);
    QCOMPARE(rig.page->model().selection(), (GridCell{2, 0}));
    rig.press(Qt::RightButton, 4, 0);
    rig.choose("Show Arpeggio");
    QCOMPARE(rig.display.arpeggios, 1);
    QCOMPARE(rig.holders.chordPageChord, rig.holders.chordAt(4, 0));
  }

  void eraseClearsPageFretboardAndCaption() {
    Rig rig;
    rig.pick(0);
    rig.show.click();
    rig.page->setFileName("song.cpf");
    rig.page->erase();
    QCOMPARE(rig.page->model().setCount(), 0);
    QVERIFY(rig.holders.chordPageChord.isEmpty());
    QVERIFY(rig.display.shown.last().isEmpty());
    QCOMPARE(rig.window.windowTitle(), QString("Strumly!"));
    QVERIFY(rig.page->fileName().isEmpty());
    QImage white(rig.page->imgChordPage()->image().size(), rig.page->imgChordPage()->image().format());
    white.fill(Qt::white);
    QCOMPARE(rig.page->imgChordPage()->image(), white);
    rig.show.click();
    QCOMPARE(rig.page->model().setCount(), 1);
  }

  void scaleChoiceTurnsTheButtonIntoShowScale() {
    Rig rig;
    QSignalSpy scales(rig.page.get(), &ChordsPage::showScaleRequested);
    rig.pick(0, &rig.scale, "Dorian (Minor)");
    QCOMPARE(rig.show.text(), QString("Show Scale"));
    QCOMPARE(rig.nameLabel.text(), QString("Scale Name"));
    QVERIFY(rig.menus->scaleChosen());
    QCOMPARE(rig.menus->choice().number, 1);
    rig.show.click();
    QCOMPARE(scales.count(), 1);
    QCOMPARE(rig.page->model().setCount(), 0);
    itemNamed(&rig.scale, "Enigmatic")->trigger();
    QCOMPARE(rig.menus->choice().number, 23);
    itemNamed(&rig.major, "6")->trigger();
    QCOMPARE(rig.show.text(), QString("Show Chords"));
    QCOMPARE(rig.nameLabel.text(), QString("Chord Name"));
  }

  void keyReadoutFollowsTheSpelling() {
    Rig rig;
    rig.spelling.toggle();
    QVERIFY(rig.root.text().isEmpty());  // nothing chosen yet stays empty
    rig.pick(6);
    QCOMPARE(rig.root.text(), QString("F#"));
    rig.spelling.toggle();
    QCOMPARE(rig.root.text(), QString("Gb"));
  }

  void wheelScrollsTheActivePageByWholeNotches() {
    Rig rig;
    rig.window.resize(600, 300);
    rig.page->scrollChordPage()->resize(600, 300);
    rig.switcher->wheel(-60);
    QCOMPARE(rig.page->scrollChordPage()->verticalScrollBar()->value(), 0);
    rig.switcher->wheel(-60);
    const int oneNotch = rig.page->scrollChordPage()->verticalScrollBar()->value();
    QVERIFY(oneNotch > 0);
    rig.switcher->wheel(-120);
    QCOMPARE(rig.page->scrollChordPage()->verticalScrollBar()->value(), 2 * oneNotch);
    rig.switcher->wheel(240);
    QCOMPARE(rig.page->scrollChordPage()->verticalScrollBar()->value(), 0);
  }
};

QTEST_MAIN(TestChordsPage)
#include "tst_chordspage.moc"
