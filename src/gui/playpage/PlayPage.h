#pragma once
// The PlayPage: chords arranged in measures over four play pages of six rows (288 half-beat
// slots), with repeat and loop markers, a play start, a single-level undo and its own files
// (.ppf with .rpt). The song and every edit rule live in the core's PlayPageModel; this page
// turns presses, drags and popup commands into model calls, asks the questions, draws the
// result and keeps the song's document (name, folder, the older-version caption).
#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>
#include <utility>

#include "core/playpage/PlayPageModel.h"
#include "gui/common/Page.h"

class QAbstractButton;
class QAbstractSlider;
class QAction;
class QHBoxLayout;
class QLabel;
class QMenu;
class QScrollArea;

namespace strumly {
struct AppSettings;
struct PageHolders;
struct PlayPageSong;
}  // namespace strumly

namespace strumly::gui {

class AudioFeed;
class ChordDisplay;
class CommandTable;
class DialogService;
class NoteSpelling;
class PageImage;
class PageList;
class PlayPageCanvas;
class PlayPageDrag;
class PlayPagePlayback;
class PlayPageScoring;
class PlaybackContext;
class TdlgRepeat;
class Transport;
class TuningControls;

// The tool panel's controls the play page answers for or stores with a song. Any may be null.
struct PlayPageControls {
  std::array<QAbstractButton*, 4> pages{};  // sbtnPage1..4
  QAbstractButton* time = nullptr;          // sbtnTime: down = 3/4
  QAbstractButton* undo = nullptr;          // sbtnUndo
  QAbstractButton* bassNote = nullptr;      // sbtnBassNote
  QAbstractButton* leftHanded = nullptr;    // sbtnLeftHanded: the diagrams' hand
  QAbstractSlider* strumSpeed = nullptr;    // sbStrumSpeed
};

class PlayPage : public QWidget, public Page, public PageDocument {
  Q_OBJECT
 public:
  PlayPage(PageHolders& holders, PageList& pages, DialogService& dialogs, const NoteSpelling& spelling,
           Transport& transport, ChordDisplay& display, TuningControls& tuning, AppSettings& settings,
           const PlayPageControls& controls, PlaybackContext& playback, QWidget* parent = nullptr);
  ~PlayPage() override;

  // The page contract.
  PageId pageId() const override { return PageId::PlayPage; }
  QString title() const override { return tr("PlayPage"); }
  QWidget* pageWidget() override { return this; }
  void entered() override;
  QAbstractScrollArea* scrollArea() const override;
  QWidget* placementImage() const override;
  void startPlacement() override;
  void dropPlacement() override;
  PageDocument* document() override { return this; }
  bool keepsTempo() const override { return true; }
  PagePlayer* player() override;
  void undo() override;

  // The document.
  QStringList handedOverExtensions() const override { return {".ppf"}; }
  bool openHandedFile(const QString& path) override { return OpenPlayPageFile(path); }
  void erase() override;
  bool openWithPrompt() override { return OpenPlayPageWithPrompt(); }
  bool save(bool alwaysAsk) override { return SavePlayPage(alwaysAsk); }
  QString fileName() const override { return documentName_ + versionSuffix_; }
  bool exportSound(bool wav) override;
  PagePrintout printout() const override;
  QList<ClosingDocument> closingDocuments() override;

  bool OpenPlayPageWithPrompt();
  bool OpenPlayPageFile(const QString& path);
  bool SavePlayPage(bool alwaysAsk);

  PlayPageModel& model() { return model_; }
  const PlayPageModel& model() const { return model_; }
  PageImage* imgPlayPage() const { return imgPlayPage_; }
  QScrollArea* scrollPlayPage() const { return scrollPlayPage_; }
  QMenu* popmenuPlayPage() const { return popmenuPlayPage_; }
  // The page's commands: the popup's items, the time signature and the four page buttons.
  CommandTable& commands() const { return *commands_; }
  TdlgRepeat* dlgRepeat() const { return dlgRepeat_; }
  // Play-along scoring, hearing `audio`: made on the first call, which joins it to Play.
  PlayPageScoring& scoring(AudioFeed& audio);
  QLabel* lblScore() const { return lblScore_; }

  void sbtnPageClick(int page);  // 1..4
  void sbtnTimeClick();
  void imgPlayPageMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
  void imgPlayPageDblClick();
  void imgPlayPageDragDrop(SlotPos source, QPoint at);
  // SetTuningFromPlayPage: the tuning controls show the tuning of the first chord of the song.
  void SetTuningFromPlayPage();
  // Redraws the slots in the current spelling and hand.
  void RedrawPlayPage();
  void DrawRepeatMarkers();

 private:
  void buildCommands();
  // A page button refused while busy: the group cannot spring back alone, so the page shown
  // goes down again.
  void bindPageButton(int page);
  // Presses, double clicks and drops on the picture are no commands; they are refused here.
  bool refusesPresses() const;
  void redrawAll();
  void edited();
  void showPlacementCursor();
  bool confirm(std::optional<PlayQuestion> question);
  void pmenu4PlayChordClick();
  void pmenu4SendtoDesignClick();
  void pmenu4SendtoPrintClick();
  void pmenu4InsertSpaceClick();
  void pmenu4DeleteClick();
  void pmenu4CutMoveClick();
  void pmenu4CopyMoveClick();
  void pmenu4InsertMeasureClick();
  void pmenu4DeleteMeasureClick();
  void pmenu4CutMoveMeasClick(bool cut);
  void pmenu4RepeatClick();
  void repeatMarkersChosen();
  void applySong(const PlayPageSong& song);
  PlayPageSong currentSong() const;

  PageHolders& holders_;
  PageList& pages_;
  DialogService& dialogs_;
  const NoteSpelling& spelling_;
  Transport& transport_;
  ChordDisplay& display_;
  TuningControls& tuning_;
  AppSettings& settings_;
  PlayPageControls controls_;
  PlayPageModel model_;
  QScrollArea* scrollPlayPage_;
  PageImage* imgPlayPage_;
  std::unique_ptr<PlayPageCanvas> canvas_;
  PlayPageDrag* drag_;
  QMenu* popmenuPlayPage_;
  CommandTable* commands_;
  std::unique_ptr<PlayPagePlayback> playback_;
  QLabel* lblScore_;  // the take's latest verdict, then its summary
  QHBoxLayout* scoreBar_;
  std::unique_ptr<PlayPageScoring> scoring_;
  TdlgRepeat* dlgRepeat_;
  int currentPage_ = 1;
  QString documentName_;
  QString versionSuffix_;
  std::pair<QString, QString> erasedDocument_;  // name and suffix before Erase, for its Undo
};

}  // namespace strumly::gui
