#pragma once
// The main window `TfrmMain`. It composes the tool panel, the six pages, the bottom panel and the
// menu, runs start-up (FormCreate) and shutdown (FormClose), and routes the few operations that
// span parts: handed-over files, the tuning take-over, the spelling switch and IsPlayingOrBusy.
// State that belongs to one part lives in that part's class, not here.
#include <QHash>
#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>

#include "core/app/AppSettings.h"
#include "core/pages/PageHolders.h"
#include "core/theory/Pitch.h"
#include "gui/app/ProgramFolder.h"
#include "gui/app/SaveBeforeClose.h"
#include "gui/playback/MidiSession.h"
#include "gui/chords/ChordsWiring.h"

class QTabWidget;

namespace strumly {
class AppSettingsStore;
class SoundPlayer;
}  // namespace strumly

namespace strumly::gui {

class BottomPanel;
class ChordDesignPage;
class Fretboard;
class ShowIntervals;
class WindowFretboardHost;
class DialogService;
class MainMenu;
class NoteSpelling;
class SpeechSounds;
class TabPage;
class ToolPanel;

class TfrmMain : public QMainWindow {
  Q_OBJECT
 public:
  enum PageIndex { pageChords, pageChordDesign, pagePlayPage, pagePrint, pageScales, pageTablature };

  TfrmMain(DialogService& dialogs, SoundPlayer& speechPlayer, QWidget* parent = nullptr);
  ~TfrmMain() override;

  // Start-up in its order: settings, menus, speech, tuning, MIDI, first page, placement.
  void FormCreate(const ProgramFolder& folder, const QStringList& arguments = {});
  // Opens the file given on the command line at the first activation; parks the focus.
  void FormActivate();
  // A file handed over by the command line or by a later start; true when it was opened.
  bool OpenHandedFile(const QString& fileName);
  // A later start asked for this window: bring it to the front and open its file.
  void handOverReceived(const QString& fileName);
  // While Play or Pause is down, or the busy cursor shows, pages do not change and the program
  // does not close.
  bool IsPlayingOrBusy() const;
  void mnuFlatSharpClick();
  // New / Erase Page on the active page.
  void sbtnEraseClick();

  // Each page registers the opener for the extensions it reads (".tab", ".txt", ".vxt", ".ppf").
  void setFileOpener(const QString& extension, std::function<bool(const QString&)> opener);
  // Each page with a document registers its save question, in closing order.
  SaveBeforeClose& closingDocuments() { return closingDocuments_; }
  void setMidiSession(MidiSession* session) { midi_ = session; }
  // The Chords page arrives from its own part and takes the plain page's place.
  void replacePage(PageIndex page, QWidget* widget, const QString& title);

  // Whether a screen of this size gets a maximised window rather than 1024 x 768.
  static bool maximisedOn(const QSize& screenSize);

  ToolPanel* toolPanel() const { return pnlTop_; }
  BottomPanel* bottomPanel() const { return pnlBottom_; }
  QTabWidget* pageControl() const { return PageControl1_; }
  MainMenu* mainMenu() const { return menu_; }
  NoteSpelling& spelling() const { return *spelling_; }
  SpeechSounds& speech() const { return *speech_; }
  ChordDesignPage* chordDesignPage() const { return chordDesign_; }
  Fretboard* fretboard() const { return fretboard_; }
  ShowIntervals* showIntervals() const { return showIntervals_; }
  const ChordsPart& chordsPart() const { return chords_; }
  PageHolders& pageHolders() { return holders_; }
  AppSettings& settings() { return settings_; }
  const ProgramFolder& programFolder() const { return folder_; }

 Q_SIGNALS:
  // After a file was handed over (opened or not), for diagnostics and tests.
  void handedFileProcessed(const QString& fileName, bool opened);

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  bool FormClose();
  void applySettings();
  void collectShutdownSettings();
  void placeWindow();
  void routeTuningTakeOver(const Tuning& tuning, const QString& name);
  void parkFocus();
  void composeFretboard();
  void composeChordDesign();
  // What the fretboard shows as each page is entered.
  void showPageItemsOnEntry();
  // Flip: the tool panel below the pages and the fretboard above them, or back.
  void placePanels(bool flipped);

  DialogService& dialogs_;
  PageHolders holders_;
  std::unique_ptr<NoteSpelling> spelling_;
  std::unique_ptr<SpeechSounds> speech_;
  std::unique_ptr<AppSettingsStore> store_;
  ToolPanel* pnlTop_;
  QTabWidget* PageControl1_;
  BottomPanel* pnlBottom_;
  MainMenu* menu_;
  ChordDesignPage* chordDesign_;
  TabPage* tabPage_;
  std::unique_ptr<WindowFretboardHost> fretboardHost_;
  Fretboard* fretboard_ = nullptr;
  ShowIntervals* showIntervals_ = nullptr;
  ChordsPart chords_;
  ProgramFolder folder_;
  AppSettings settings_;
  QStringList arguments_;
  bool activatedOnce_ = false;
  MidiSession* midi_ = nullptr;
  QString midiProblem_;
  SaveBeforeClose closingDocuments_;
  QHash<QString, std::function<bool(const QString&)>> openers_;
};

}  // namespace strumly::gui
