// The Chord Design group and the user's chord types in the real main window: Move opens its new
// slot by shifting the slots between, wrapping round; a move given up returns the chord; the add
// dialog limits the intervals and writes the formula; a new type is listed at once and can be
// deleted again, a built-in one cannot.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "gui/app/MainWindow.h"
#include "gui/app/ProgramParts.h"
#include "gui/chorddesign/ChordDesignPage.h"
#include "gui/chorddesign/ChordSearchPanel.h"
#include "gui/chorddesign/DesignGroupView.h"
#include "gui/chorddesign/TdlgAddChord.h"
#include "gui/chorddesign/UserChordTypes.h"
#include "gui/common/PageList.h"
#include "platform/settings/IniFile.h"
#include "support/ProgramFixture.h"

using namespace strumly;
using namespace strumly::gui;

namespace {

// Only the chord-type file of the shipped data, in the scratch folder.
struct DesignWindow : ProgramFixture {
  DesignWindow() : ProgramFixture({.dataFiles = {"kvcd3.dat"}, .show = false, .page = PageId::ChordDesign}) {}
  DesignGroupView& view() const { return *parts->chordDesignPage().groupView(); }
  const DesignGroup& group() const { return view().group(); }
  QComboBox* types() const { return parts->chordDesignPage().chordTypeBox(); }
  static int x(int slot) { return 76 * slot + 30; }

  // Slots 0..5 hold chords rooted on 0..5, each dragged in from the fretboard's design.
  void fillGroup() {
    for (int k = 0; k < 6; ++k) {
      ChordDiagram chord;
      chord.empty = 0;
      chord.root = static_cast<PitchClass>(k);
      parts->holders().designChord = chord;
      view().imgChordDesignDragDrop(DesignGroupView::DragSource::DragButton, x(k));
    }
  }
  QList<int> roots() const {
    QList<int> r;
    for (int k = 0; k < 6; ++k) r << (group().isUsed(k) ? group().slot(k).root : -1);
    return r;
  }
  void move(int from, int to) {
    view().imgChordDesignMouseDown(Qt::LeftButton, x(from));
    view().pmenu2MoveClick();
    view().imgChordDesignMouseDown(Qt::LeftButton, x(to));
  }
};

}  // namespace

class ChordDesignTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void moveOpensItsSlotByShiftingTheSlotsBetween() {
    DesignWindow d;
    d.fillGroup();
    QVERIFY(d.group().isModified());
    d.move(3, 1);
    QCOMPARE(d.roots(), (QList<int>{0, 3, 1, 2, 4, 5}));
    QCOMPARE(d.group().selected(), std::optional<int>(1));
    QCOMPARE(d.parts->holders().designChord.root, PitchClass{3});

    DesignWindow w;
    w.fillGroup();
    // Slot 0 onto slot 2: slots 2..5 move up one, slot 5's chord wraps round to slot 0.
    w.move(0, 2);
    QCOMPARE(w.roots(), (QList<int>{5, 1, 0, 2, 3, 4}));
  }

  void aMoveGivenUpPutsTheChordBack() {
    DesignWindow d;
    d.fillGroup();
    d.view().imgChordDesignMouseDown(Qt::LeftButton, DesignWindow::x(4));
    d.view().pmenu2MoveClick();
    QCOMPARE(d.roots(), (QList<int>{0, 1, 2, 3, -1, 5}));
    // Another page entered before the chord was placed: it must not be lost.
    d.parts->pages().activate(PageId::Chords);
    QCOMPARE(d.roots(), (QList<int>{0, 1, 2, 3, 4, 5}));
    QCOMPARE(d.group().placement(), DesignPlacement::None);
  }

  void aSearchResultDroppedLoadsSixVoicingsAfterTheSaveQuestion() {
    DesignWindow d;
    for (const char* file : {"kvma1.dat", "kvma2.dat"})
      QFile::copy(QString(STRUMLY_PROGRAM_DIR) + "/" + file, d.user.filePath(file));
    d.fillGroup();
    // C E G with C sounding on string 4.
    ChordDiagram& design = d.parts->holders().designChord;
    design.intervals = {0, 4, 7, 255, 255, 255, 255};
    design.pitches = {0, 0, 0, 0, 48, 0};
    design.root = 0;
    ChordSearchPanel& search = *d.parts->chordDesignPage().searchPanel();
    search.setIntervalOption(IntervalOption::Containing);
    search.btnSearchClick();
    const QList<QListWidgetItem*> rows = search.list()->findItems("C maj7\t", Qt::MatchStartsWith);
    QCOMPARE(rows.size(), 1);
    search.list()->setCurrentItem(rows.first());

    // Cancel keeps the group; Yes saves it first, then the six C maj7 voicings replace it.
    const QList<int> before = d.roots();
    d.view().imgChordDesignDragDrop(DesignGroupView::DragSource::SearchList, 0);
    QCOMPARE(d.dialogs.questions.last(),
             QString("Do you want to save changes to this Design Group before modifying?"));
    QCOMPARE(d.roots(), before);
    const QString path = d.user.filePath("group.cds");
    d.dialogs.answers = {DialogService::Answer::Yes};
    d.dialogs.fileNames = {path};
    d.view().imgChordDesignDragDrop(DesignGroupView::DragSource::SearchList, 0);
    QCOMPARE(QFileInfo(path).size(), qint64(616));
    QCOMPARE(d.roots(), (QList<int>{0, 0, 0, 0, 0, 0}));
    QCOMPARE(d.group().slot(5).name.str(), std::string("maj7"));
    QCOMPARE(d.group().selected(), std::optional<int>(0));
    QVERIFY(d.group().isModified());

    // The saved group comes back whole from its file.
    d.dialogs.answers = {DialogService::Answer::No};
    d.dialogs.fileNames = {path};
    QVERIFY(d.view().openWithPrompt());
    QCOMPARE(d.roots(), before);
    QVERIFY(!d.group().isModified());
    QCOMPARE(d.view().filePathLabel()->text(), "File: " + path);
  }

  void theDialogTakesSixIntervalsAndWritesTheFormula() {
    DesignWindow d;
    auto* dialog = d.parts->mainWindow().findChild<TdlgAddChord*>();
    QVERIFY(dialog);
    dialog->show();
    QCOMPARE(dialog->formulaEdit()->text(), QString("1"));
    for (int box : {3, 7, 10}) dialog->intervalBox(box)->click();  // b3 5 b7
    QCOMPARE(dialog->formulaEdit()->text(), QString("1 b3 5 b7"));
    for (int box : {13, 15, 18, 16}) dialog->intervalBox(box)->click();  // 9 11 13, then #11 as a seventh
    QVERIFY(!dialog->intervalBox(16)->isChecked());
    QCOMPARE(dialog->checkedCount(), 6);
    QCOMPARE(dialog->formulaEdit()->text(), QString("1 b3 5 b7 9 11 13"));
    dialog->intervalBox(13)->click();  // 9 off again
    QCOMPARE(dialog->formulaEdit()->text(), QString("1 b3 5 b7 11 13"));

    // OK with no name: listed at once as NONAME, stored with compound intervals kept.
    dialog->findChild<QPushButton*>("OKBtn")->click();
    QCOMPARE(d.types()->count(), 63);
    QCOMPARE(d.types()->itemText(62), QString("NONAME"));
    IniFile ini(d.user.filePath("Kv.ini").toStdString());
    QCOMPARE(ini.readInteger("UserChords", "Number", 0), 1);
    QCOMPARE(ini.readString("62", "Formula", ""), std::string("1 b3 5 b7 11 13"));
    const int expected[7] = {0, 3, 7, 10, 17, 21, 255};
    for (int k = 0; k < 7; ++k) QCOMPARE(ini.readInteger("62", "I" + std::to_string(k), -1), expected[k]);

    // A built-in type cannot be deleted; the user's can.
    auto* userTypes = d.parts->mainWindow().findChild<UserChordTypes*>();
    d.types()->setCurrentIndex(5);
    userTypes->pmenu6DeleteClick();
    QCOMPARE(d.dialogs.notices, QStringList{"Cannot delete this chord. Please select a User Chord."});
    QCOMPARE(d.types()->count(), 63);
    d.types()->setCurrentIndex(62);
    userTypes->pmenu6DeleteClick();
    QCOMPARE(d.types()->count(), 62);
    QCOMPARE(ini.readInteger("UserChords", "Number", -1), 0);
    QVERIFY(!ini.sectionExists("62"));
  }
};

QTEST_MAIN(ChordDesignTest)
#include "tst_chorddesign.moc"
