// The PlayPage as the user meets it in the real program: a chord sent from the Chords page and
// dropped with the mouse, a slot dragged onto another, undo, and the song saved and opened again.
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>

#include "core/playpage/PlayPageLayout.h"
#include "gui/app/MainMenu.h"
#include "gui/app/MainWindow.h"
#include "gui/app/ProgramParts.h"
#include "gui/app/ToolPanel.h"
#include "gui/chords/ChordsPage.h"
#include "gui/common/PageImage.h"
#include "gui/common/PageList.h"
#include "gui/playback/Transport.h"
#include "gui/playpage/PlayPage.h"
#include "gui/playpage/PlayPageDrag.h"
#include "support/MenuLookup.h"
#include "support/ProgramFixture.h"

using namespace strumly;
using namespace strumly::gui;

namespace {

// The middle of a slot's cell, as the page lays it out: column c at x 63c + 20, row r at y 132r.
QPoint slotPoint(int column, int row) {
  return {63 * column + 50, 132 * row + 43};
}

struct Program : ProgramFixture {
  PlayPage& page() { return parts->playPage(); }
  PageImage* image() { return page().imgPlayPage(); }
  const ChordDiagram& slot(int column, int row) { return page().model().slot({column, row}); }
  // E m7 on the Chords page, then its first diagram sent to the Play page.
  ChordDiagram sendFirstEm7() {
    showChords(4, parts->mainMenu().menuMinor(), "m7");
    ChordsPage& chords = parts->chordsPage();
    popupItem(chords.imgChordPage(), QPoint(70, 90), chords.popmenuChords(), "Send to PlayPage");
    return parts->holders().chordAt(0, 0);
  }
};

}  // namespace

class PlayPageTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void aChordSentFromTheChordsPageIsDroppedWithTheMouseAndUndone() {
    Program p;
    const ChordDiagram em7 = p.sendFirstEm7();
    QCOMPARE(p.parts->pages().currentId(), PageId::PlayPage);
    QCOMPARE(p.page().model().placement(), PlacementCursor::FromOtherPage);

    // Ctrl keeps the chord on the cursor for a second drop.
    QTest::mouseClick(p.image(), Qt::LeftButton, Qt::ControlModifier, slotPoint(2, 1));
    QTest::mouseClick(p.image(), Qt::LeftButton, {}, slotPoint(3, 1));
    QCOMPARE(p.slot(2, 1), em7);
    QCOMPARE(p.slot(3, 1), em7);
    QCOMPARE(p.page().model().placement(), PlacementCursor::None);
    QVERIFY(p.page().model().isModified());
    QVERIFY(p.slot(4, 1).isEmpty());

    // The label under the slot names the chord in the current spelling: E m7.
    QToolButton* undo = p.parts->toolPanel().buttons().sbtnUndo;
    QVERIFY(undo->isEnabled());
    QTest::mouseClick(undo, Qt::LeftButton);
    QVERIFY(p.slot(3, 1).isEmpty());  // one level: the second drop is undone
    QCOMPARE(p.slot(2, 1), em7);
    QVERIFY(!undo->isEnabled());

    // While busy a press on the page changes nothing.
    p.page().startPlacement();
    {
      const Transport::BusyCursor busy(p.parts->transport());
      QTest::mouseClick(p.image(), Qt::LeftButton, {}, slotPoint(5, 1));
    }
    QVERIFY(p.slot(5, 1).isEmpty());
  }

  void aDraggedSlotIsCopiedAndAFilledTargetAsksFirst() {
    Program p;
    const ChordDiagram em7 = p.sendFirstEm7();
    QTest::mouseClick(p.image(), Qt::LeftButton, {}, slotPoint(0, 0));
    // The drag begins with a press on the source; the drop lands on the target.
    QTest::mousePress(p.image(), Qt::LeftButton, {}, slotPoint(0, 0));
    QTest::mouseRelease(p.image(), Qt::LeftButton, {}, slotPoint(0, 0));
    const auto dropAt = [&](QPoint at) {
      QMimeData data;
      data.setData(PlayPageDrag::kMimeType, QByteArray::number(0));
      QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(p.image(), &enter);
      QVERIFY(enter.isAccepted());
      QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(p.image(), &drop);
    };
    dropAt(slotPoint(7, 2));
    QCOMPARE(p.slot(7, 2), em7);
    QCOMPARE(p.slot(0, 0), em7);  // a drag copies

    ChordDiagram other = em7;
    other.root = 9;
    p.page().model().slots()[SlotPos{6, 2}.index()] = other;
    p.dialogs.answers = {DialogService::Answer::No};
    dropAt(slotPoint(6, 2));
    QCOMPARE(p.dialogs.questions.last(), QString("Do you want to replace this diagram?"));
    QCOMPARE(p.dialogs.confirmDefaults.last(), DialogService::Answer::No);
    QCOMPARE(p.slot(6, 2), other);
  }

  void eraseAsksBeforeItDropsAModifiedSongAndUndoBringsItBack() {
    Program p;
    const ChordDiagram em7 = p.sendFirstEm7();
    QTest::mouseClick(p.image(), Qt::LeftButton, {}, slotPoint(1, 3));
    QVERIFY(p.page().model().isModified());
    QAction* erase = p.parts->mainMenu().action("mnuNew");
    // The question of closing: Cancel keeps the song.
    p.dialogs.answers = {DialogService::Answer::Cancel};
    erase->trigger();
    QCOMPARE(p.dialogs.questions.last(), QString("Save PlayPage changes before closing?"));
    QCOMPARE(p.slot(1, 3), em7);
    // No erases it; the caption is the start-up one, and Undo brings the chord back.
    p.dialogs.answers = {DialogService::Answer::No};
    erase->trigger();
    QVERIFY(p.slot(1, 3).isEmpty());
    QCOMPARE(p.parts->mainWindow().windowTitle(), QString("Strumly!   "));
    QToolButton* undo = p.parts->toolPanel().buttons().sbtnUndo;
    QVERIFY(undo->isEnabled());
    QTest::mouseClick(undo, Qt::LeftButton);
    QCOMPARE(p.slot(1, 3), em7);
    QVERIFY(p.page().model().isModified());  // still in no file: closing would ask
  }

  void aSongIsSavedAndOpenedAgainAndADamagedFileChangesNothing() {
    Program p;
    const ChordDiagram em7 = p.sendFirstEm7();
    QTest::mouseClick(p.image(), Qt::LeftButton, {}, slotPoint(1, 3));
    QTest::mouseClick(p.parts->toolPanel().buttons().sbtnTime, Qt::LeftButton);  // 3/4
    p.parts->toolPanel().tempoEdit()->setText("72");
    p.parts->toolPanel().meditTempoMainExit();
    const QString song = p.user.filePath("Song.ppf");
    p.dialogs.fileNames = {song};
    p.parts->mainMenu().action("mnuSaveAs")->trigger();
    QVERIFY2(p.dialogs.notices.isEmpty(), qPrintable(p.dialogs.notices.join("; ")));
    QCOMPARE(QFileInfo(song).size(), 289 * 88);
    QCOMPARE(QFileInfo(p.user.filePath("Song.rpt")).size(), 192);
    QCOMPARE(p.parts->mainWindow().windowTitle(), QString("Strumly!   Song.ppf"));
    QVERIFY(!p.page().model().isModified());

    // New erases the page; Open brings the song back with its signature and tempo.
    p.parts->mainMenu().action("mnuNew")->trigger();
    QVERIFY(p.slot(1, 3).isEmpty());
    p.parts->toolPanel().tempoEdit()->setText("100");
    p.parts->toolPanel().meditTempoMainExit();  // a new tempo is a change worth a question
    p.dialogs.answers = {DialogService::Answer::No};
    p.dialogs.fileNames = {song};
    QTest::mouseClick(p.parts->toolPanel().buttons().sbtnOpen, Qt::LeftButton);
    QCOMPARE(p.dialogs.questions.last(),
             QString("Do you want to save changes to this PlayPage before opening another file?"));
    QCOMPARE(p.slot(1, 3), em7);
    QCOMPARE(p.page().model().timeSignature(), TimeSignature::ThreeFour);
    QVERIFY(p.parts->toolPanel().buttons().sbtnTime->isChecked());
    QCOMPARE(p.parts->toolPanel().tempoEdit()->text(), QString("72"));

    // The song as it would play, written as a MIDI file from the File menu.
    const QString midi = p.user.filePath("Song.mid");
    p.dialogs.fileNames = {midi};
    p.parts->mainMenu().action("mnuExportMidi")->trigger();
    QFile exported(midi);
    QVERIFY(exported.open(QIODevice::ReadOnly));
    QCOMPARE(exported.read(4), QByteArray("MThd"));

    QFile damaged(p.user.filePath("Damaged.ppf"));
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray(289 * 88, '\0'));
    damaged.close();
    p.dialogs.fileNames = {damaged.fileName()};
    QTest::mouseClick(p.parts->toolPanel().buttons().sbtnOpen, Qt::LeftButton);
    QCOMPARE(p.dialogs.notices, QStringList{"This is not a Strumly PlayPage file"});
    QCOMPARE(p.slot(1, 3), em7);
    QCOMPARE(p.parts->mainWindow().windowTitle(), QString("Strumly!   Song.ppf"));
  }
};

QTEST_MAIN(PlayPageTest)
#include "tst_playpage.moc"
