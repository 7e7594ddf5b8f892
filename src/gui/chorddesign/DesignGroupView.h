#pragma once
// The Chord Design group on its page: the six tiny diagrams of `imgChordDesign`, the drag button
// `bitbtnDrag`, the popup `popmenuDesign`, the file label `lblCDFilePath` and the group's file
// (.cds). Chords enter by a drag from `bitbtnDrag` (the design on the fretboard) or from the
// search list (six dictionary voicings), by a chord carried from another page, or by Move. The
// slots and their rules are the core's DesignGroup; this class asks the questions and draws.
#include <filesystem>
#include <optional>

#include "core/chords/ChordSearch.h"
#include "core/pages/DesignGroup.h"
#include "gui/common/DiagramPageBase.h"
#include "gui/common/SaveBeforeClose.h"

class QLabel;
class QMenu;
class QToolButton;

namespace strumly {
struct AppSettings;
}

namespace strumly::gui {

class ChordDesignPage;
class ChordDisplay;
class ChordSearchPanel;
class DialogService;
class NoteSpelling;
class PageImage;
class PageList;
class Transport;
class TuningControls;

class DesignGroupView : public DiagramPageBase {
  Q_OBJECT
 public:
  enum class DragSource { DragButton, SearchList };

  DesignGroupView(ChordDesignPage& page, ChordSearchPanel& search, PageHolders& holders, PageList& pages,
                  DialogService& dialogs, const NoteSpelling& spelling, const Transport& transport,
                  ChordDisplay& display, const TuningControls& tuning, AppSettings& settings,
                  std::filesystem::path dataFolder, QWidget* parent = nullptr);

  DesignGroup& group() { return group_; }
  QToolButton* dragButton() const { return bitbtnDrag_; }
  QLabel* filePathLabel() const { return lblCDFilePath_; }

  // imgChordDesignMouseDown, in image pixels.
  void imgChordDesignMouseDown(Qt::MouseButton button, int x);
  // imgChordDesignDragDrop: a drag from `source` let go at image x.
  void imgChordDesignDragDrop(DragSource source, int x);

  void pmenu2PlayChordClick();
  void pmenu2SendtoPlayClick();
  void pmenu2SendtoPrintClick();
  void pmenu2DeleteClick();
  void pmenu2MoveClick();

  // "Send to Chord Design" arrived: the next press drops the carried chord.
  void startCarried();
  // A pending placement is given up; a moved chord returns to its slot.
  void cancelPlacement();
  // The guitar's "Next Diagram": the next used slot after the selected one, wrapping, selected as
  // a press would select it; only with two used slots. A pending placement is given up first.
  void selectNextDiagram();
  // Every used slot drawn again (the hand changed), with the selection frame.
  void redrawGroup();

  // The group's document.
  void erase();
  bool openWithPrompt();
  bool openFile(const QString& path);
  bool save(bool alwaysAsk);
  QString fileName() const { return fileName_; }
  ClosingDocument closingDocument();

 Q_SIGNALS:
  // Play Chord: the transport plays the design chord.
  void playRequested();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void imagePressed(Qt::MouseButton button, int x, int) override { imgChordDesignMouseDown(button, x); }
  void drawSlot(int k);
  void selectSlot(int k);
  void showCursor();
  void storeDragged(int k);
  void storeVoicings(const ChordSearchMatch& match);
  bool saveBefore(const QString& question);
  void startDrag();

  ChordDesignPage& page_;
  ChordSearchPanel& search_;
  PageHolders& holders_;
  PageList& pages_;
  const NoteSpelling& spelling_;
  ChordDisplay& display_;
  const TuningControls& tuning_;
  AppSettings& settings_;
  std::filesystem::path dataFolder_;
  DesignGroup group_;
  QToolButton* bitbtnDrag_;
  QLabel* lblCDFilePath_;
  QString fileName_;
};

}  // namespace strumly::gui
