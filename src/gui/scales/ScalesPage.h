#pragma once
// The Scales page: "Show Scale" adds a set of six fretboard positions of the chosen scale in the
// page's own tuning, under a heading; up to five sets stand on the page. A left press selects a
// position and shows its set on the fretboard, the keyboard and the LED guitar; the popup
// "popmenuScales" plays a position, plays it from its root, sends it to the Print page or changes
// its beginning fret. A scale cell carried here from the Print page is dropped as a set by the
// next press. The page saves to and opens Scale Page files (.spf).
#include <QString>
#include <filesystem>
#include <memory>

#include "core/scales/ScalesPageModel.h"
#include "gui/common/DiagramPageBase.h"
#include "gui/common/Page.h"
#include "gui/common/TuningTakeOver.h"

namespace strumly {
struct AppSettings;
}

namespace strumly::gui {

class ChordDisplay;
class NoteSpelling;
class PageList;
class PlaybackContext;
class ScaleDisplay;
class ScalePlayback;
class TdlgBeginFret;
class Transport;

// What the page shows its scales on: the fretboard answers both.
struct ScalesPageDisplay {
  ChordDisplay& chords;  // clearing, the hand, the hover read-outs
  ScaleDisplay& scales;  // ShowScale
};

// One set of a scale page: its six positions in row `set` under the set's heading. `span` is
// the "Scale Diagrams" preference.
void drawScaleSet(PageImage& image, const PageHolders& holders, int set, const NoteNames& names, int span,
                  bool leftHanded);
// The holders' scaleSetCount sets; the selection frame is the caller's. The page and the
// printout of a scale page file share it.
void drawScalePageSets(PageImage& image, const PageHolders& holders, const NoteNames& names, int span,
                       bool leftHanded);

class ScalesPage : public DiagramPageBase, public Page, public PageDocument, public PageTuning {
  Q_OBJECT
 public:
  // `dataFolder` holds kvs.dat; `playback` may be null (no Play on this page); `focusHome`
  // (sbStrumSpeed) takes the focus back after each action.
  ScalesPage(PageHolders& holders, PageList& pages, DialogService& dialogs, const NoteSpelling& spelling,
             const Transport& transport, ScalesPageDisplay display, AppSettings& settings,
             std::filesystem::path dataFolder, PlaybackContext* playback = nullptr,
             QWidget* focusHome = nullptr, QWidget* parent = nullptr);
  ~ScalesPage() override;

  // The page contract.
  PageId pageId() const override { return PageId::Scales; }
  QString title() const override { return tr("Scales"); }
  QWidget* pageWidget() override { return this; }
  void entered() override { ShowScale(); }
  QAbstractScrollArea* scrollArea() const override;
  QWidget* placementImage() const override;
  void startPlacement() override;
  void dropPlacement() override;
  PageDocument* document() override { return this; }
  PagePlayer* player() override;
  TuningTakeOver* tuningTakeOver() override { return this; }
  void SelectNextDiagram() override { selectNextDiagram(); }
  PagePrintout printout() const override;

  // The document.
  QStringList handedOverExtensions() const override { return {".spf"}; }
  bool openHandedFile(const QString& path) override { return OpenScalePageFile(path); }
  void erase() override;
  bool openWithPrompt() override;
  bool save(bool alwaysAsk) override;
  QString fileName() const override { return fileName_; }
  bool OpenScalePageFile(const QString& path);

  ScalesPageModel& model() { return model_; }
  PageImage* imgScales() const { return image(); }
  QScrollArea* scrollScales() const { return scroll(); }
  QMenu* popmenuScales() const { return popup(); }
  TdlgBeginFret* dlgBeginFret() const { return dlgBeginFret_; }
  bool placing() const { return dropCursor() != DropCursor::None; }

  // "Show Scale": adds a set of scale `scaleNumber` (its caption `name`) in key `root`.
  void addScaleSet(int scaleNumber, PitchClass root, const QString& name);
  void imgScalesMouseDown(Qt::MouseButton button, int x, int y);
  void pmenu5PlayDiagramClick();
  void pmenu5PlayRootClick();
  void pmenu1SendtoPrintClick();
  void pmenu5StartFretClick();
  // currentScale on the fretboard, keyboard and LED guitar, from the selected position.
  void ShowScale();
  // The whole page again from the holder (left-handed switch, page file opened).
  void redrawPage();
  void handChanged() override { redrawPage(); }
  // Foot switch: the next position becomes the selection, as a left press on it would.
  void selectNextDiagram();
  // The beginning fret of the position on the neck (Listen's target).
  int shownBeginFret() const { return model_.shownBeginFret(); }

 Q_SIGNALS:
  // "Play This Diagram" / "Play Scale From Root" selected their position: Play plays it.
  void playRequested();

 private:
  int span() const;
  void imagePressed(Qt::MouseButton button, int x, int y) override { imgScalesMouseDown(button, x, y); }
  void showNewSet(int set);
  void selectAndShow(GridCell cell);
  void dropHeldCell(GridCell cell);
  void beginFretChosen();
  void playTarget(bool fromRoot);

  PageHolders& holders_;
  ScalesPageModel model_;
  PageList& pages_;
  const NoteSpelling& spelling_;
  ScalesPageDisplay display_;
  AppSettings& settings_;
  std::filesystem::path dataFolder_;
  std::unique_ptr<ScalePlayback> player_;
  TdlgBeginFret* dlgBeginFret_;
  QString fileName_;
};

}  // namespace strumly::gui
