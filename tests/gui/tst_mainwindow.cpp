// The main window as the user meets it: pages and menus in order, the tool panel's controls,
// settings read at start-up and written at shutdown, the close questions and refusals, handed
// files and the spelling switch.
#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocalSocket>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <atomic>
#include <functional>
#include <thread>

#include "gui/app/BottomPanel.h"
#include "gui/app/MainMenu.h"
#include "gui/app/MainWindow.h"
#include "gui/app/OptionsCommands.h"
#include "gui/app/ProgramParts.h"
#include "gui/app/SingleInstance.h"
#include "gui/app/ToolPanel.h"
#include "gui/common/Page.h"
#include "gui/common/PageList.h"
#include "gui/common/ScriptedDialogService.h"
#include "gui/controls/TuningControls.h"
#include "gui/controls/UpDown.h"
#include "gui/fretlight/FretlightLink.h"
#include "gui/intervals/TfrmIntCalc.h"
#include "gui/playback/LibraryMidiSession.h"
#include "gui/playback/MidiBridge.h"
#include "gui/playback/PagePlayer.h"
#include "gui/playback/Transport.h"
#include "gui/playpage/PlayPage.h"
#include "gui/playpage/TdlgTempo.h"
#include "platform/audio/PcmPlayer.h"
#include "platform/midi/MidiClock.h"
#include "platform/midi/MidiLibrary.h"
#include "platform/midi/RecordingDevices.h"
#include "platform/settings/AppSettingsStore.h"
#include "platform/settings/IniFile.h"
#include "support/FakeFretlight.h"
#include "support/MenuLookup.h"

using namespace strumly;
using namespace strumly::gui;

namespace {

QStringList titles(const QList<QAction*>& actions) {
  QStringList t;
  for (QAction* a : actions) t << (a->isSeparator() ? QString("-") : a->text());
  return t;
}

void writeFile(const QString& path, const QByteArray& text) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(text);
}

// A page with a document and a player whose answers the test sets by hand.
class FakePage : public QWidget, public Page, public PageDocument, public PagePlayer {
 public:
  FakePage(PageId id, QStringList extensions = {}) : id_(id), extensions_(std::move(extensions)) {}
  PageId pageId() const override { return id_; }
  QString title() const override { return "Fake"; }
  QWidget* pageWidget() override { return this; }
  QAbstractScrollArea* scrollArea() const override { return nullptr; }
  PageDocument* document() override { return this; }
  PagePlayer* player() override { return this; }
  void entered() override { ++entries; }
  void handChanged() override { ++handChanges; }
  QStringList handedOverExtensions() const override { return extensions_; }
  bool openHandedFile(const QString& path) override {
    if (whileOpening) whileOpening();
    opened << path;
    return true;
  }
  void erase() override { ++erased; }
  QList<ClosingDocument> closingDocuments() override { return closing; }
  bool play() override { return true; }

  QStringList opened;
  std::function<void()> whileOpening;  // e.g. a dialog about the file, with its own event loop
  QList<ClosingDocument> closing;
  int erased = 0;
  int entries = 0;
  int handChanges = 0;

 private:
  PageId id_;
  QStringList extensions_;
};

// The shell alone, over fake pages: what it does for every page, whichever pages there are.
struct BareShell {
  NoteSpelling spelling;
  QTabWidget* tabs = new QTabWidget;
  PageList pages{tabs};
  Transport transport{[this] { return pages.current(); }};
  ToolPanel* tools = new ToolPanel;
  std::unique_ptr<TfrmMain> window;
  FakePage design{PageId::ChordDesign};
  FakePage play{PageId::PlayPage, {".ppf"}};

  explicit BareShell(DialogService& dialogs)
      : window(std::make_unique<TfrmMain>(dialogs, transport, pages, tools, new BottomPanel(spelling),
                                          spelling)) {
    // Added in tab order; the save questions still come in their own order.
    window->addPage(design);
    window->addPage(play);
  }
  ~BareShell() {
    // The fake pages outlive the window that holds them only if they leave it first.
    design.setParent(nullptr);
    play.setParent(nullptr);
  }
};

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  ScriptedDialogService dialogs_;
  PcmPlayer player_{"strumly-no-such-device"};

  QString instanceName_;

  // A socket name of this test run's own, so a running Strumly never answers.
  QString uniqueInstanceName() {
    static int count = 0;
    instanceName_ = QString("Strumly.test.%1.%2").arg(QCoreApplication::applicationPid()).arg(++count);
    return instanceName_;
  }
  ProgramFolder folderWith(const QByteArray& kvIni) {
    writeFile(dir_.filePath("Kv.ini"), kvIni);
    return ProgramFolder::locate(dir_.path(), dir_.filePath("user"));
  }
  std::unique_ptr<ProgramParts> created(const QByteArray& kvIni = "", MidiSession* midi = nullptr) {
    auto parts = std::make_unique<ProgramParts>(ProgramDevices{dialogs_, player_, midi}, folderWith(kvIni));
    parts->start();
    return parts;
  }

 private Q_SLOTS:
  void init() {
    dialogs_ = ScriptedDialogService();
    QDir(dir_.path()).removeRecursively();
    QDir().mkpath(dir_.path());
  }

  void sixPagesInTheirOrderWithChordsActive() {
    auto w = created();
    QTabWidget* pages = w->pages().pageControl();
    QCOMPARE(pages->count(), 6);
    const QStringList expected{"Chords", "Chord Design", "PlayPage", "Print", "Scales", "Tablature"};
    const QStringList names{"pageChords", "pageChordDesign", "pagePlayPage",
                            "pagePrint",  "pageScales",      "pageTablature"};
    for (int i = 0; i < 6; ++i) {
      QCOMPARE(pages->tabText(i), expected[i]);
      QCOMPARE(pages->widget(i)->objectName(), names[i]);
    }
    QCOMPARE(w->pages().currentId(), PageId::Chords);
    QVERIFY(w->bottomPanel().tuningControls()->isLocked());
    QVERIFY(w->mainWindow().windowTitle().startsWith("Strumly!"));
  }

  void menusInOrderWithTheirItems() {
    auto w = created();
    QStringList top;
    for (QAction* a : w->mainWindow().menuBar()->actions()) top << a->text();
    QCOMPARE(top, (QStringList{"&File", "&Key", "&Major", "M&inor", "&Dominant", "&Scale", "&Options",
                               "&Window", "&Help"}));
    QVERIFY(!w->mainMenu().menuWindow()->menuAction()->isVisible());
    QCOMPARE(titles(w->mainMenu().menuFile()->actions()),
             (QStringList{"&New", "&Open...", "&Save", "Save &As...", "-", "Export MIDI...", "Export WAV...",
                          "-", "&Print...", "Print Pre&view...", "Export PDF...", "-", "E&xit"}));
    QCOMPARE(titles(w->mainMenu().menuOptions()->actions()),
             (QStringList{"Tempo...", "Speed Trainer...", "Flats", "Flip", "Preferences...",
                          "Interval Calculator...", "Tuner..."}));
    QCOMPARE(titles(w->mainMenu().menuKey()->actions()),
             (QStringList{"C", "Db", "D", "Eb", "E", "F", "Gb", "G", "Ab", "A", "Bb", "B"}));
    QVERIFY(w->mainMenu().submenu("menuMoreMajor"));
    QVERIFY(w->mainMenu().submenu("menuMoreScales"));
    // No web sites, no tutorials folder: the Help menu has only its fixed items.
    QCOMPARE(titles(w->mainMenu().menuHelp()->actions()),
             (QStringList{"&Help Topics", "Show Tips...", "-", "&About..."}));
  }

  void helpMenuGetsWebSitesAndAtMost26Tutorials() {
    QDir(dir_.path()).mkpath("DI65 Tutorials");
    for (int i = 0; i < 30; ++i)
      writeFile(dir_.filePath(QString("DI65 Tutorials/Lesson %1.htm").arg(i, 2, 10, QChar('0'))), "<html/>");
    writeFile(dir_.filePath("DI65 Tutorials/notes.txt"), "not a tutorial");
    auto w = created(
        "[WebSites]\nNumber=2\n1=Lessons\n1A=https://example.org/a\n2=Tabs\n2A=https://example.org/b\n");
    QCOMPARE(
        titles(w->mainMenu().menuHelp()->actions()),
        (QStringList{"&Help Topics", "Show Tips...", "-", "Web Sites...", "Tutorials...", "-", "&About..."}));
    QMenu* sites = w->mainMenu().submenu("mnuTabSites");
    QVERIFY(sites);
    QCOMPARE(titles(sites->actions()), (QStringList{"Lessons", "Tabs"}));
    QCOMPARE(sites->actions()[1]->objectName(), QString("mnuWebSite2"));
    QCOMPARE(sites->actions()[1]->statusTip(), QString("https://example.org/b"));
    QMenu* tutorials = w->mainMenu().submenu("mnuTutorials");
    QCOMPARE(tutorials->actions().size(), 26);
    QCOMPARE(tutorials->actions()[0]->text(), QString("Lesson 00"));
    QCOMPARE(tutorials->actions()[25]->objectName(), QString("mnuTutorial25"));
    QVERIFY(tutorials->actions()[0]->statusTip().endsWith("DI65 Tutorials/Lesson 00.htm"));
  }

  void tutorialsWithoutWebSitesSitBeforeAbout() {
    QDir(dir_.path()).mkpath("DI65 Tutorials");
    writeFile(dir_.filePath("DI65 Tutorials/Tunings.htm"), "<html/>");
    auto w = created("[WebSites]\nNumber=0\n1=Ignored\n");
    QCOMPARE(titles(w->mainMenu().menuHelp()->actions()),
             (QStringList{"&Help Topics", "Show Tips...", "Tutorials...", "-", "&About..."}));
  }

  void toolPanelHoldsEveryControlWithItsHint() {
    auto w = created();
    ToolPanel* p = &w->toolPanel();
    const QList<std::tuple<QString, QString, bool>> buttons{
        {"sbtnOpen", "Open", false},
        {"sbtnSave", "Save", false},
        {"sbtnErase", "Erase Page", false},
        {"sbtnPrintPage", "Print Page", false},
        {"sbtnPlay", "Play", true},
        {"sbtnPause", "Pause", true},
        {"sbtnStop", "Stop", false},
        {"sbtnStep", "Step Play", true},
        {"sbtnLoop", "Loop Play", true},
        {"sbtnCount", "Count Off", true},
        {"sbtnClick", "Click", true},
        {"sbtnTime", "Time Signature", true},
        {"sbtnUndo", "Undo Edit", false},
        {"sbtnPage1", "PlayPage 1", true},
        {"sbtnPage4", "PlayPage 4", true},
        {"sbtnBassNote", "Bass Note", true},
        {"sbtnLeftHanded", "Left Handed", true},
        {"sbtnFlip", "Flip", true},
        {"sbShowArp", "Show Arpeggio", true},
        {"sbtnShowFullScale", "Display Full Fretboard", true},
        {"sbtnRootPlay", "Play Scale From Root", true},
        {"sbtnRootFlash", "Show Fretlight Rootnote", true},
        {"sbtnFLAnimate", "Fretlight Play Animation", true}};
    for (const auto& [name, hint, toggle] : buttons) {
      auto* b = p->findChild<QToolButton*>(name);
      QVERIFY2(b, qPrintable(name));
      QCOMPARE(b->toolTip(), hint);
      QCOMPARE(b->isCheckable(), toggle);
    }
    QScrollBar* speed = p->strumSpeed();
    QCOMPARE(speed->objectName(), QString("sbStrumSpeed"));
    QCOMPARE(speed->minimum(), -800);
    QCOMPARE(speed->maximum(), 0);
    QCOMPARE(speed->pageStep(), 50);
    QCOMPARE(speed->value(), -300);
    QCOMPARE(p->tempoEdit()->text(), QString("100"));
    QCOMPARE(p->tempoEdit()->toolTip(), QString("PlayPage Tempo"));
    QCOMPARE(p->showChordsButton()->text(), QString("Show Chords"));
    // No Fretlight attached at start: its controls stay hidden.
    QVERIFY(p->buttons().sbtnFLAnimate->isHidden());
    QVERIFY(p->footSwitchPicture()->isHidden());
  }

  void settingsAreAppliedAtStartAndWrittenBackAtClose() {
    auto w = created(
        "[Main]\nSspeed=-500\nLeftHand=2\nBass=1\nShowFull=0x1\n[Fretlight]\nAnimate=0\nSwitch1=4\nSwitch2="
        "abc\n");
    ToolPanel* p = &w->toolPanel();
    QCOMPARE(p->strumSpeed()->value(), -500);
    QVERIFY(p->buttons().sbtnLeftHanded->isChecked());
    QVERIFY(p->buttons().sbtnBassNote->isChecked());
    QVERIFY(p->buttons().sbtnShowFullScale->isChecked());
    QVERIFY(!p->buttons().sbtnFLAnimate->isChecked());
    QCOMPARE(p->rightSwitchLabel()->text(), QString("Next Page"));
    QCOMPARE(p->leftSwitchLabel()->text(), QString("Next Diagram"));  // garbage gives the default 1

    p->strumSpeed()->setValue(-250);
    p->buttons().sbtnBassNote->setChecked(false);
    QVERIFY(w->mainWindow().close());
    const IniFile ini(dir_.filePath("Kv.ini").toStdString());
    QCOMPARE(ini.readInteger("Main", "Sspeed", 0), -250);
    QCOMPARE(ini.readString("Main", "LeftHand", ""), std::string("1"));
    QCOMPARE(ini.readString("Main", "Bass", ""), std::string("0"));
    QCOMPARE(ini.readString("Directory", "Chord", ""), (dir_.path() + "/Chord").toStdString());
    QVERIFY(dialogs_.notices.isEmpty());
  }

  void anUnwritableSettingsFileIsReportedAndTheProgramStillCloses() {
    auto w = created();
    // The settings file's place is taken by a folder: no user, not even root, can write it.
    QFile::remove(dir_.filePath("Kv.ini"));
    QDir(dir_.path()).mkpath("Kv.ini");
    QVERIFY(w->mainWindow().close());
    QCOMPARE(dialogs_.notices, QStringList{"Unable to write to " + dir_.filePath("Kv.ini")});
  }

  void aNewUsersFirstPlayOnTheChordsPageNeverSticks() {
    // Key E, Minor m7, Show Chords, then Play: nothing on this page plays yet, so Play comes
    // back up, and the pages and the window stay free.
    ProgramFolder folder{QString(STRUMLY_PROGRAM_DIR) + "/", dir_.path() + "/"};
    ProgramParts w({dialogs_, player_}, folder);
    w.start();
    w.mainMenu().keyItems()[4]->trigger();
    itemNamed(w.mainMenu().menuMinor(), "m7")->trigger();
    w.toolPanel().showChordsButton()->click();
    QToolButton* play = w.toolPanel().buttons().sbtnPlay;
    QTest::mouseClick(play, Qt::LeftButton);
    QVERIFY(!play->isChecked());
    QVERIFY(!w.transport().IsPlayingOrBusy());
    QVERIFY(w.mainMenu().menuFile()->menuAction()->isEnabled());
    w.pages().pageControl()->setCurrentIndex(1);
    QCOMPARE(w.pages().currentId(), PageId::ChordDesign);
    QVERIFY(w.mainWindow().close());
  }

  void closingAndPageChangesAreRefusedWhilePlayingOrBusy() {
    BareShell shell(dialogs_);
    const ToolPanel::Buttons& b = shell.tools->buttons();
    shell.tabs->setCurrentIndex(1);
    QTest::mouseClick(b.sbtnStep, Qt::LeftButton);
    QVERIFY(shell.transport.stepMode());
    QTest::mouseClick(b.sbtnPlay, Qt::LeftButton);  // the fake page plays
    QVERIFY(b.sbtnPlay->isChecked());
    QTest::mouseClick(b.sbtnPlay, Qt::LeftButton);  // a click never releases Play
    QVERIFY(b.sbtnPlay->isChecked());
    QTest::mouseClick(b.sbtnStep, Qt::LeftButton);  // nor does Step change while playing
    QVERIFY(b.sbtnStep->isChecked());
    shell.tabs->setCurrentIndex(0);
    QCOMPARE(shell.tabs->currentIndex(), 1);
    QVERIFY(!shell.window->close());
    QCOMPARE(dialogs_.notices, QStringList{"Step Play is active"});
    QTest::mouseClick(b.sbtnStop, Qt::LeftButton);
    QVERIFY(!b.sbtnPlay->isChecked());
    {
      const Transport::BusyCursor busy(shell.transport);
      QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
      QVERIFY(shell.window->IsPlayingOrBusy());
      QVERIFY(!shell.window->close());
    }
    QVERIFY(!shell.window->IsPlayingOrBusy());
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(shell.window->close());
  }

  void fullFretboardShowsThePageAgainButSpringsBackWhilePlaying() {
    BareShell shell(dialogs_);
    shell.tabs->setCurrentIndex(1);
    QToolButton* full = shell.tools->buttons().sbtnShowFullScale;
    const int entries = shell.play.entries;
    QTest::mouseClick(full, Qt::LeftButton);
    QVERIFY(full->isChecked());
    QCOMPARE(shell.play.entries, entries + 1);
    QTest::mouseClick(shell.tools->buttons().sbtnPlay, Qt::LeftButton);
    QVERIFY(shell.transport.playing());
    QTest::mouseClick(full, Qt::LeftButton);
    QVERIFY(full->isChecked());  // back down, and the page was not entered again
    QCOMPARE(shell.play.entries, entries + 1);
  }

  void aChangeOfHandRedrawsEveryPageAndEntersTheActiveOneAgain() {
    BareShell shell(dialogs_);
    shell.tabs->setCurrentIndex(1);
    const int entries = shell.play.entries, behind = shell.design.entries;
    shell.window->handChanged();
    // The page behind is drawn for the new hand too, so it is right when it comes to the front.
    QCOMPARE(shell.design.handChanges, 1);
    QCOMPARE(shell.play.handChanges, 1);
    QCOMPARE(shell.play.entries, entries + 1);
    QCOMPARE(shell.design.entries, behind);
  }

  void theTempoDialogSetsTheTempoAndTheCalculatorHasTheSynthToItself() {
    struct CountingSession : MidiSession {
      int closed = 0, reopened = 0;
      void open(const MidiSettings&) override {}
      void close() override {}
      void closeOutput() override { ++closed; }
      void reopenOutput() override { ++reopened; }
    } midi;
    auto w = created("", &midi);
    QVERIFY(w->pages().activate(PageId::PlayPage));
    w->mainMenu().action("mnuTempo")->trigger();
    auto* tempo = w->mainWindow().findChild<TdlgTempo*>();
    QVERIFY(tempo);
    tempo->findChild<QLineEdit*>("meditTempo")->setText("120");
    tempo->accept();
    QCOMPARE(w->transport().tempoMicros(), 500000u);  // 60000000 / 120
    QCOMPARE(w->toolPanel().tempoEdit()->text(), QString("120"));
    QVERIFY(w->playPage().model().isModified());  // the song keeps its tempo

    int closedWhileShown = -1;
    QTimer::singleShot(0, this, [&] {
      closedWhileShown = midi.closed - midi.reopened;
      w->optionsCommands().calculator().reject();
    });
    w->mainMenu().action("menuIntervalCalc")->trigger();
    QCOMPARE(closedWhileShown, 1);
    QCOMPARE(midi.reopened, 1);
  }

  void saveQuestionsComeInOrderAndCancelOrAFailedSaveKeepsTheProgramOpen() {
    BareShell shell(dialogs_);
    bool playModified = true, designModified = true, playSaved = false;
    int designSaves = 0;
    shell.play.closing = {{"Save PlayPage changes before closing?",
                           "Save PlayPage changes to %1 before closing?", [&] { return playModified; },
                           [] { return QString("song.ppf"); }, [&] { return playSaved; }}};
    shell.design.closing = {{"Save Chord Design Page changes before closing?",
                             "Save Chord Design Page changes to %1 before closing?",
                             [&] { return designModified; }, [] { return QString(); },
                             [&] {
                               ++designSaves;
                               return true;
                             }}};
    TfrmMain& w = *shell.window;
    dialogs_.answers = {DialogService::Answer::Cancel};
    QVERIFY(!w.close());
    QCOMPARE(dialogs_.questions, QStringList{"Save PlayPage changes to song.ppf before closing?"});

    dialogs_.questions.clear();
    dialogs_.answers = {DialogService::Answer::Yes};  // the save fails
    QVERIFY(!w.close());
    QCOMPARE(dialogs_.questions.size(), 1);

    dialogs_.questions.clear();
    dialogs_.answers = {DialogService::Answer::No, DialogService::Answer::Yes};
    QVERIFY(w.close());
    QCOMPARE(dialogs_.questions, (QStringList{"Save PlayPage changes to song.ppf before closing?",
                                              "Save Chord Design Page changes before closing?"}));
    QCOMPARE(designSaves, 1);
  }

  void handedFilesGoToThePageThatReadsThemAndEraseToTheActivePage() {
    BareShell shell(dialogs_);
    TfrmMain& w = *shell.window;
    const QString ppf = dir_.filePath("Song.PPF");
    writeFile(ppf, "x");
    writeFile(dir_.filePath("notes.doc"), "x");
    QVERIFY(!w.OpenHandedFile(dir_.filePath("missing.ppf")));
    QCOMPARE(shell.pages.currentId(), PageId::ChordDesign);
    // The page that opens the file comes to the front, whether or not it brings itself there.
    QVERIFY(w.OpenHandedFile(ppf));
    QCOMPARE(shell.pages.currentId(), PageId::PlayPage);
    QVERIFY(!w.OpenHandedFile(dir_.filePath("notes.doc")));
    QCOMPARE(shell.play.opened, QStringList{ppf});
    QCOMPARE(shell.design.opened, QStringList{});

    QSignalSpy processed(&w, &TfrmMain::handedFileProcessed);
    w.showMinimized();
    w.handOverReceived(ppf);
    QCOMPARE(processed.size(), 1);
    QCOMPARE(processed[0][1].toBool(), true);
    QVERIFY(!w.isMinimized());

    shell.tabs->setCurrentIndex(1);
    QTest::mouseClick(shell.tools->buttons().sbtnErase, Qt::LeftButton);
    QCOMPARE(shell.play.erased, 1);
    QCOMPARE(shell.design.erased, 0);
  }

  void theCommandLineFileIsOpenedAtTheFirstActivationOnly() {
    const QString ppf = dir_.filePath("a.ppf");
    writeFile(ppf, "x");
    BareShell shell(dialogs_);
    const ProgramFolder folder = folderWith("");
    AppSettingsStore store(IniFile(folder.settingsFile().toStdString()), folder.userFolder.toStdString());
    AppSettings settings = store.load();
    shell.window->FormCreate(folder, {ppf}, store, settings);
    shell.window->FormActivate();
    shell.window->FormActivate();
    QCOMPARE(shell.play.opened.size(), 1);
  }

  void aDialogAnsweredWhileAHandedOverFileOpensLeavesTheProgramRunning() {
    const QString ppf = dir_.filePath("b.ppf");
    writeFile(ppf, "x");
    BareShell shell(dialogs_);
    SingleInstance first(uniqueInstanceName());
    QVERIFY(first.listen());
    QObject::connect(&first, &SingleInstance::activationRequested, shell.window.get(),
                     &TfrmMain::handOverReceived);
    first.startDelivering();
    std::atomic<bool> secondEnded = false;
    // A modal box about the file: its event loop runs until the user answers, long after the
    // second start has taken its acknowledgement and gone.
    shell.play.whileOpening = [&] {
      // The connection is closed before the file is looked at; a dialog's event loop inside the
      // socket's read handler would let the socket be freed under it.
      for (const QLocalSocket* connection : first.findChildren<QLocalSocket*>())
        QVERIFY(connection->state() != QLocalSocket::ConnectedState);
      QEventLoop dialog;
      QTimer answer;
      QObject::connect(&answer, &QTimer::timeout, [&] {
        if (secondEnded) dialog.quit();
      });
      answer.start(20);
      dialog.exec();
      QTest::qWait(100);
    };
    QSignalSpy processed(shell.window.get(), &TfrmMain::handedFileProcessed);
    std::thread second([&] { secondEnded = SingleInstance(instanceName_).handOver(ppf); });
    QTRY_COMPARE(processed.size(), 1);
    second.join();
    QVERIFY(secondEnded);
    QCOMPARE(shell.play.opened, QStringList{ppf});
  }

  void handOversDuringTheSplashWaitForTheWindow() {
    SingleInstance first(uniqueInstanceName());
    QVERIFY(first.listen());
    QSignalSpy requested(&first, &SingleInstance::activationRequested);
    std::atomic<bool> handedOver = false;
    std::thread second([&] { handedOver = SingleInstance(instanceName_).handOver("/songs/a.ppf"); });
    QTRY_VERIFY(handedOver);  // the splash's event loop answers the second start
    second.join();
    QTest::qWait(50);
    QCOMPARE(requested.size(), 0);
    first.startDelivering();  // the window is up
    QTRY_COMPARE(requested.size(), 1);
    QCOMPARE(requested[0][0].toString(), "/songs/a.ppf");
  }

  void theInstanceNameTellsDisplaysApart() {
    const QByteArray x11 = qgetenv("DISPLAY"), wayland = qgetenv("WAYLAND_DISPLAY");
    qunsetenv("WAYLAND_DISPLAY");
    qputenv("DISPLAY", ":0");
    const QString onZero = SingleInstance::defaultServerName();
    qputenv("DISPLAY", ":0.0");
    const QString onZeroScreenZero = SingleInstance::defaultServerName();
    qputenv("DISPLAY", ":1");
    const QString onOne = SingleInstance::defaultServerName();
    qputenv("WAYLAND_DISPLAY", "wayland-1");
    const QString onWayland = SingleInstance::defaultServerName();
    x11.isNull() ? qunsetenv("DISPLAY") : qputenv("DISPLAY", x11);
    wayland.isNull() ? qunsetenv("WAYLAND_DISPLAY") : qputenv("WAYLAND_DISPLAY", wayland);
    QVERIFY(onZero.startsWith("Tessaly.Strumly."));
    QCOMPARE(onZeroScreenZero, onZero);
    QVERIFY(onOne != onZero);
    QVERIFY(onWayland != onZero && onWayland != onOne);
  }

  void flatSharpSwitchRenamesKeysAndReadOutsButKeepsTheCheckMark() {
    auto w = created();
    QAction* item = w->mainMenu().action("mnuFlatSharp");
    QVERIFY(item->isChecked());
    item->trigger();
    QCOMPARE(item->text(), QString("Sharps"));
    QVERIFY(item->isChecked());
    QCOMPARE(w->mainMenu().keyItems()[1]->text(), QString("C#"));
    QCOMPARE(w->mainMenu().keyItems()[10]->text(), QString("A#"));
    QCOMPARE(w->bottomPanel().tuningControls()->readOut(0)->text(), QString("E4"));
    item->trigger();
    QCOMPARE(item->text(), QString("Flats"));
    QCOMPARE(w->mainMenu().keyItems()[1]->text(), QString("Db"));
  }

  void midiHandlesOpenAtStartAndCloseAtShutdown() {
    MidiLibrary library(std::make_unique<RecordingDevices>(std::vector<std::string>{"Synth"},
                                                           std::vector<std::string>{"Keys"}),
                        std::make_unique<VirtualMidiClock>());
    MidiBridge bridge;
    LibraryMidiSession session(library, bridge);
    auto w = created("[MidiOut]\nDevice=0\n[MidiIn]\nDevice=0\n", &session);
    QVERIFY(session.syncHandle() != 0);
    QVERIFY(session.midiOutHandle() != 0);
    QVERIFY(session.midiInHandle() != 0);
    QVERIFY(w->mainWindow().close());
    QCOMPARE(session.syncHandle(), 0u);
    QCOMPARE(session.midiOutHandle(), 0u);
    QCOMPARE(session.midiInHandle(), 0u);
  }

  void missingMidiDevicesLeaveTheHandlesZero() {
    MidiLibrary none(std::make_unique<RecordingDevices>(std::vector<std::string>{}),
                     std::make_unique<VirtualMidiClock>());
    MidiBridge bridge;
    LibraryMidiSession session(none, bridge);
    session.open(MidiSettings{});
    QCOMPARE(session.syncHandle(), 0u);
    QCOMPARE(session.midiOutHandle(), 0u);
    QCOMPARE(session.midiInHandle(), 0u);
    // A stored device number past the list opens nothing either.
    MidiLibrary one(std::make_unique<RecordingDevices>(std::vector<std::string>{"Synth"}),
                    std::make_unique<VirtualMidiClock>());
    LibraryMidiSession other(one, bridge);
    MidiSettings settings;
    settings.outDevice = 7;
    other.open(settings);
    QCOMPARE(other.midiOutHandle(), 0u);
    QCOMPARE(other.midiInHandle(), 0u);
  }

  void aMidiProblemIsToldOnceAndTheProgramRuns() {
    struct SilentSynth : MidiSession {
      int opens = 0, closes = 0;
      void open(const MidiSettings&) override { ++opens; }
      void close() override { ++closes; }
      std::string problem() override { return opens == 1 ? "No sound font was found." : ""; }
    } session;
    auto w = created("", &session);
    w->mainWindow().FormActivate();
    QVERIFY(dialogs_.notices.isEmpty());  // nothing stands in the way of the start
    QToolButton* play = w->toolPanel().buttons().sbtnPlay;
    QTest::mouseClick(play, Qt::LeftButton);
    QTest::mouseClick(play, Qt::LeftButton);
    QCOMPARE(dialogs_.notices, QStringList{"No sound font was found."});
    QVERIFY(w->mainWindow().close());
    QCOMPARE(session.closes, 1);
  }

  void windowPlacementDependsOnTheScreenSize() {
    QVERIFY(TfrmMain::maximisedOn(QSize(1024, 768)));
    QVERIFY(TfrmMain::maximisedOn(QSize(800, 600)));
    QVERIFY(!TfrmMain::maximisedOn(QSize(1280, 1024)));
    QVERIFY(!TfrmMain::maximisedOn(QSize(1024, 800)));  // taller than 768 is enough
    QVERIFY(!TfrmMain::maximisedOn(QSize(1100, 700)));
  }

  void everyPageFitsA1024By768Screen() {
    auto w = created();
    TfrmMain& window = w->mainWindow();
    // The widest tool panel: an LED guitar found, its controls and foot switch shown.
    FakeFretlightPort port;
    w->fretlight().setPort(&port);
    w->fretlight().DetectFretlight();
    QVERIFY(w->toolPanel().footSwitchPicture()->isVisibleTo(&window));
    // Both panels at their natural width, no caption squeezed.
    QVERIFY(w->toolPanel().sizeHint().width() <= 1024);
    QVERIFY(w->bottomPanel().sizeHint().width() <= 1024);
    // Maximised there, the window shares the height with a title bar and a task bar.
    const QSize screen(1024, 768 - 60);
    window.resize(screen);
    window.show();
    for (Page* page : w->pages().pages()) {
      QVERIFY(w->pages().activate(page->pageId()));
      const QSize least = window.minimumSizeHint().expandedTo(window.minimumSize());
      QVERIFY2(least.width() <= screen.width() && least.height() <= screen.height(),
               qPrintable(page->title()));
      QApplication::processEvents();
      for (QWidget* edge : {static_cast<QWidget*>(w->toolPanel().showChordsButton()),
                            static_cast<QWidget*>(w->bottomPanel().intervalLabel(7))})
        QVERIFY(window.rect().contains(QRect(edge->mapTo(&window, QPoint(0, 0)), edge->size())));
    }
  }

  void aReadOnlyProgramFolderKeepsSettingsInTheUserFolder() {
    writeFile(dir_.filePath("Kv.ini"), "[Main]\nSspeed=-111\n");
    const ProgramFolder beside = ProgramFolder::locate(dir_.path(), dir_.filePath("user"));
    QCOMPARE(beside.userFolder, dir_.path() + "/");
    QCOMPARE(beside.settingsFile(), dir_.filePath("Kv.ini"));
    // An installed copy: bin/ without data, share/strumly with it.
    QDir(dir_.path()).mkpath("prefix/bin");
    QDir(dir_.path()).mkpath("prefix/share/strumly");
    writeFile(dir_.filePath("prefix/share/strumly/Kv.ini"), "[Main]\nSspeed=-222\n");
    const ProgramFolder installed = ProgramFolder::locate(dir_.filePath("prefix/bin"), dir_.filePath("user"));
    QCOMPARE(installed.dataFolder, dir_.filePath("prefix/share/strumly") + "/");
    // A folder stands where the write probe would go: no user, not even root, can write there.
    QDir(dir_.path()).mkpath("prefix/share/strumly/.strumly-write-probe");
    const ProgramFolder readOnly = ProgramFolder::locate(dir_.filePath("prefix/bin"), dir_.filePath("user"));
    QCOMPARE(readOnly.userFolder, dir_.filePath("user") + "/");
    QCOMPARE(IniFile(readOnly.settingsFile().toStdString()).readInteger("Main", "Sspeed", 0), -222);
  }

  void aReinstallNeverTouchesWhatTheUsersRunsWrote() {
    // A writable install (cmake --install --prefix ~/strumly) whose user ran an earlier version,
    // which kept Kv.ini and the tips beside the documents.
    QDir(dir_.path()).mkpath("home/bin");
    QDir(dir_.path()).mkpath("home/share/strumly");
    QDir(dir_.path()).mkpath("data/Strumly");
    const QString shipped = dir_.filePath("home/share/strumly/Kv.ini");
    writeFile(shipped, "[Main]\nSspeed=-222\n");
    writeFile(dir_.filePath("data/Strumly/Kv.ini"), "[Main]\nSspeed=-333\n");
    writeFile(dir_.filePath("data/Strumly/tip.kvt"), "False\nB\nA\n");
    const UserFolders user{dir_.filePath("config/Strumly"), dir_.filePath("Documents/Strumly"),
                           dir_.filePath("cache/Strumly"), dir_.filePath("data/Strumly")};
    const ProgramFolder first = ProgramFolder::locate(dir_.filePath("home/bin"), user);
    QCOMPARE(first.dataFolder, dir_.filePath("home/share/strumly") + "/");
    QCOMPARE(first.settingsFile(), dir_.filePath("config/Strumly/Kv.ini"));
    QCOMPARE(first.documentFolder, dir_.filePath("Documents/Strumly") + "/");
    QCOMPARE(first.workFolder, dir_.filePath("cache/Strumly") + "/");
    QVERIFY(QFileInfo(first.workFolder).isDir());
    // The documents appear in Documents when the user first saves or opens there, not at start.
    QVERIFY(!QFileInfo::exists(first.documentFolder));
    // Moved once, nothing lost, nothing left behind to be read instead.
    QCOMPARE(IniFile(first.settingsFile().toStdString()).readInteger("Main", "Sspeed", 0), -333);
    QVERIFY(QFileInfo::exists(dir_.filePath("config/Strumly/tip.kvt")));
    QVERIFY(!QFileInfo::exists(dir_.filePath("data/Strumly/Kv.ini")));
    // The run writes its settings; a reinstall puts the shipped file back; the next start reads
    // the user's value, and the shipped file was never written.
    IniFile(first.settingsFile().toStdString()).writeInteger("Main", "Sspeed", -444);
    writeFile(shipped, "[Main]\nSspeed=-222\n");
    const ProgramFolder again = ProgramFolder::locate(dir_.filePath("home/bin"), user);
    QCOMPARE(IniFile(again.settingsFile().toStdString()).readInteger("Main", "Sspeed", 0), -444);
    QCOMPARE(IniFile(shipped.toStdString()).readInteger("Main", "Sspeed", 0), -222);
    // A new user's first start gets the shipped defaults, in a file of their own to write.
    const ProgramFolder fresh =
        ProgramFolder::locate(dir_.filePath("home/bin"), UserFolders::allIn(dir_.filePath("new")));
    QCOMPARE(IniFile(fresh.settingsFile().toStdString()).readInteger("Main", "Sspeed", 0), -222);
    QVERIFY(QFileInfo(fresh.settingsFile()).isWritable());
  }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
