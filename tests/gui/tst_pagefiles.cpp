// A chord page saved through the File menu and opened again in the real program, and the File
// menu's "&New" item named after the active page.
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

#include "gui/app/MainMenu.h"
#include "gui/app/MainWindow.h"
#include "gui/app/ProgramParts.h"
#include "gui/app/ToolPanel.h"
#include "gui/chords/ChordsPage.h"
#include "gui/common/PageList.h"
#include "support/MenuLookup.h"
#include "support/ProgramFixture.h"

using namespace strumly;
using namespace strumly::gui;

namespace {

struct Program : ProgramFixture {
  ChordsPage& chords() { return parts->chordsPage(); }
  void showChords(int key, const char* type) {
    ProgramFixture::showChords(key, parts->mainMenu().menuMinor(), type);
  }
  QString newItemCaption() {
    Q_EMIT parts->mainMenu().menuFile()->aboutToShow();
    return parts->mainMenu().action("mnuNew")->text();
  }
};

}  // namespace

class PageFilesTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void aChordPageIsSavedErasedAndOpenedAgain() {
    Program p;
    p.showChords(4, "m7");
    p.showChords(9, "minor");
    const ChordDiagram firstOfSecondSet = p.parts->holders().chordAt(0, 1);
    QCOMPARE(p.chords().model().setCount(), 2);

    const QString file = p.user.filePath("two sets.cpf");
    p.dialogs.fileNames = {file};
    p.parts->mainMenu().action("mnuSaveAs")->trigger();
    QVERIFY2(p.dialogs.notices.isEmpty(), qPrintable(p.dialogs.notices.join("; ")));
    QCOMPARE(p.dialogs.fileDialogTitles.last(), QString("Save Chord Page File"));
    QCOMPARE(QFile(file).size(), 2728);  // a header and 30 diagrams of 88 bytes
    QCOMPARE(p.parts->mainWindow().windowTitle(), QString("Strumly!   two sets.cpf"));

    QCOMPARE(p.newItemCaption(), QString("&New Chord Page"));
    p.parts->mainMenu().action("mnuNew")->trigger();
    QCOMPARE(p.chords().model().setCount(), 0);
    QCOMPARE(p.parts->mainWindow().windowTitle(), QString("Strumly!"));

    p.dialogs.fileNames = {file};
    p.parts->mainMenu().action("mnuOpen")->trigger();
    QCOMPARE(p.dialogs.fileDialogTitles.last(), QString("Open Chord Page File"));
    QCOMPARE(p.chords().model().setCount(), 2);
    QCOMPARE(p.chords().model().selection(), std::optional<GridCell>(GridCell{0, 0}));
    QVERIFY(p.parts->holders().chordAt(0, 1) == firstOfSecondSet);
    QCOMPARE(p.parts->mainWindow().windowTitle(), QString("Strumly!   two sets.cpf"));

    // A damaged file is refused and the page stays as it was.
    QFile damaged(p.user.filePath("short.cpf"));
    QVERIFY(QFile::copy(file, damaged.fileName()));
    QVERIFY(damaged.resize(2727));
    p.dialogs.fileNames = {damaged.fileName()};
    p.parts->mainMenu().action("mnuOpen")->trigger();
    QCOMPARE(p.dialogs.notices.size(), 1);
    QCOMPARE(p.chords().model().setCount(), 2);
    QCOMPARE(p.parts->mainWindow().windowTitle(), QString("Strumly!   two sets.cpf"));

    // Tablature keeps whatever the item said last.
    p.parts->pages().activate(PageId::Print);
    QCOMPARE(p.newItemCaption(), QString("&New Print Page"));
    p.parts->pages().activate(PageId::Tablature);
    QCOMPARE(p.newItemCaption(), QString("&New Print Page"));
  }
};

QTEST_MAIN(PageFilesTest)
#include "tst_pagefiles.moc"
