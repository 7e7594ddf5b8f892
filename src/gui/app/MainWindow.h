#pragma once
// The main window `TfrmMain`: the shell. It lays out the tool panel, the page control and the
// bottom panel, keeps the list of pages and loops over it for what every page shares: entering a
// page, the wheel, the window keys, New/Erase, files handed over, the tuning take-over and the
// save questions before closing. It runs start-up (FormCreate) and shutdown (FormClose). It
// names no page: each page tells it what it is through the page contract.
#include <QMainWindow>
#include <QStringList>

#include "core/app/PageRules.h"
#include "core/theory/Pitch.h"
#include "gui/app/ProgramFolder.h"

class QAction;
class QTabWidget;

namespace strumly {
struct AppSettings;
class AppSettingsStore;
}  // namespace strumly

namespace strumly::gui {

class BottomPanel;
class CommandTable;
class DialogService;
class MidiSession;
class NoteSpelling;
class Page;
class PageDocument;
class PageList;
class PageSwitcher;
class ToolPanel;
class Transport;
class WindowKeys;

class TfrmMain : public QMainWindow {
  Q_OBJECT
 public:
  // The page control of `pages` goes between the two panels; the window takes them all over.
  TfrmMain(DialogService& dialogs, Transport& transport, PageList& pages, ToolPanel* tools,
           BottomPanel* bottom, NoteSpelling& spelling, QWidget* parent = nullptr);
  ~TfrmMain() override;

  // The shell's command table: menus, tool buttons and the guitar's switches run through it, and
  // its gate (the transport) refuses what waits while playing or busy.
  CommandTable& commands() const { return *commands_; }

  // Adds a page as the next tab; its typing edits are left alone by the window keys.
  void addPage(Page& page);
  // Keys typed into this edit pass by the window keys.
  void addTypingWidget(QWidget* edit);
  void setMidiSession(MidiSession* session) { midi_ = session; }

  // Start-up in its order after the settings were read and applied: MIDI, the first page and
  // the window's place. The store writes the shutdown's values back at the end.
  void FormCreate(const ProgramFolder& folder, const QStringList& arguments, AppSettingsStore& store,
                  AppSettings& settings);
  // Opens the file given on the command line at the first activation; parks the focus.
  void FormActivate();
  // A file handed over by the command line or by a later start; true when a page opened it.
  bool OpenHandedFile(const QString& fileName);
  // A later start asked for this window: bring it to the front and open its file.
  void handOverReceived(const QString& fileName);
  bool IsPlayingOrBusy() const;
  // A key as the window's key handler takes it (the guitar's Play switch presses Space).
  bool FormKeyDown(int key);
  // The Flats/Sharps item: its caption names the spelling now in use.
  void mnuFlatSharpClick(QAction* item);
  // New / Erase Page, Open, Save and Save As on the active page's document (commands, so never
  // while playing or busy).
  void sbtnEraseClick();
  void sbtnOpenClick();
  void sbtnUndoClick();
  void sbtnSaveClick();
  void mnuSaveAsClick();
  void mnuExportClick(bool wav);
  // The active page again, as after a change of page (the left-handed switch).
  void reenterPage();
  // "Display Full Fretboard": the active page shows its item again over the new width.
  void sbtnShowFullScaleClick();
  // A change of hand: every page lays its pictures out again, then the active page is entered.
  void handChanged();
  // The tuning controls took a new tuning over: the active page decides what it changes.
  void routeTuningTakeOver(const Tuning& tuning, const QString& name);
  // Flip: the tool panel below the pages and the fretboard above them, or back.
  void placePanels(bool flipped);
  // The keyboard focus goes back to the strum-speed bar so that Space reaches the window keys.
  void parkFocus();

  // Whether a screen of this size gets a maximised window rather than 1024 x 768.
  static bool maximisedOn(const QSize& screenSize);

 Q_SIGNALS:
  // After a file was handed over (opened or not), for diagnostics and tests.
  void handedFileProcessed(const QString& fileName, bool opened);
  // 1..4 or P on the Chord Design page.
  void fingerKeyPressed(strumly::FingerButton finger);

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  bool FormClose();
  void placeWindow();
  PageDocument* activeDocument() const;
  // The file named on the command line, opened once: at the first activation or before the
  // first file handed over, whichever comes first.
  void openCommandLineFile();

  DialogService& dialogs_;
  Transport& transport_;
  PageList& pages_;
  ToolPanel* pnlTop_;
  BottomPanel* pnlBottom_;
  NoteSpelling& spelling_;
  CommandTable* commands_;
  PageSwitcher* switcher_;
  WindowKeys* keys_;
  MidiSession* midi_ = nullptr;
  AppSettingsStore* store_ = nullptr;
  AppSettings* settings_ = nullptr;
  ProgramFolder folder_;
  QStringList arguments_;
  bool activatedOnce_ = false;
  bool commandLineFileTaken_ = false;
  QString midiProblem_;
};

}  // namespace strumly::gui
