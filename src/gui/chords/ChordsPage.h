#pragma once
// The Chords page: "Show Chords" adds a set of six dictionary voicings of the chosen key and chord
// type as a row of small diagrams under a heading; up to five sets stand on the page. A left
// press selects a diagram and shows it on the fretboard; the popup "popmenuChords" plays it,
// shows its arpeggio or sends it to the Chord Design, Play or Print page. The composition root
// connects btnShowChords to btnShowChordsClick. The page is saved to and opened from chord page
// files (.cpf).
#include <QString>
#include <filesystem>

#include "core/chords/ChordsPageModel.h"
#include "gui/common/DiagramPageBase.h"
#include "gui/common/Page.h"
#include "gui/views/DiagramPainter.h"

namespace strumly {
struct AppSettings;
}

namespace strumly::gui {

class ChordMenus;
class NoteSpelling;
class PageList;
class ChordDisplay;
class Transport;

// One set of a chord page: its six diagrams in row `set` under `heading`. Drawing brings the
// records' pitches up to date, hence the holders are written.
void drawChordSet(PageImage& image, PageHolders& holders, int set, ChordMarkers markers,
                  const QString& heading, bool leftHanded);
// The holders' chordSetCount sets as a full redraw draws them, each headed from its first record;
// the selection frame is the caller's. The page and the printout of a chord page file share it.
void drawChordPageSets(PageImage& image, PageHolders& holders, const NoteNames& names, bool leftHanded);

class ChordsPage : public DiagramPageBase, public Page, public PageDocument {
  Q_OBJECT
 public:
  // `dataFolder` holds the chord dictionary; `settings` keeps the folder of the last chord page
  // file; `focusHome` (sbStrumSpeed) takes the focus back
  // after each action so that Space reaches the window keys.
  ChordsPage(PageHolders& holders, ChordMenus& menus, PageList& pages, DialogService& dialogs,
             NoteSpelling& spelling, const Transport& transport, ChordDisplay& display,
             std::filesystem::path dataFolder, AppSettings& settings, PagePlayer* player = nullptr,
             QWidget* focusHome = nullptr, QWidget* parent = nullptr);

  // The page contract.
  PageId pageId() const override { return PageId::Chords; }
  QString title() const override { return tr("Chords"); }
  QWidget* pageWidget() override { return this; }
  void entered() override { showOnFretboard(); }
  QAbstractScrollArea* scrollArea() const override;
  QWidget* placementImage() const override;
  PageDocument* document() override { return this; }
  PagePlayer* player() override { return player_; }
  std::optional<ChordDiagram> arpeggioChord() const override { return holders_.chordPageChord; }
  QString fileName() const override { return fileName_; }
  PagePrintout printout() const override;
  QStringList handedOverExtensions() const override { return {".cpf"}; }
  bool openHandedFile(const QString& path) override;
  bool openWithPrompt() override;
  bool save(bool alwaysAsk) override;

  PageImage* imgChordPage() const { return image(); }
  QScrollArea* scrollChordPage() const { return scroll(); }
  QMenu* popmenuChords() const { return popup(); }
  ChordsPageModel& model() { return model_; }
  const ChordsPageModel& model() const { return model_; }

  // The chord page file last opened or saved; shown in the window caption.
  void setFileName(const QString& name) { fileName_ = name; }

  void btnShowChordsClick();
  void imgChordPageMouseDown(Qt::MouseButton button, int x, int y);
  void pmenu1PlayChordClick();
  void pmenu1SendtoDesignClick();
  void pmenu1SendtoPlayClick();
  void pmenu1SendtoPrintClick();
  void menu1ArpeggioClick();
  // "Erase Page" and "&New" while this page is active.
  void erase() override;
  // The whole page again from the holder (left-handed switch, page file opened): sets row by row
  // up to the first gap, with the headings of their records and the selection frame.
  void redrawPage();
  void handChanged() override { redrawPage(); }
  // Foot switch: the next diagram becomes the selection, as a left press on it would.
  void selectNextDiagram();
  void SelectNextDiagram() override { selectNextDiagram(); }
  // What the fretboard shows when the page is entered.
  void showOnFretboard();

 Q_SIGNALS:
  // "Play Chord" selected its diagram: Play plays it.
  void playRequested();
  // "Show Chords" with a scale chosen: the Scales page adds a set of that scale.
  void showScaleRequested();

 private:
  void applySelection(const ChordsPagePress& moved);
  // A press in the middle of a diagram: what the keys on the focused picture do.
  void pressCell(Qt::MouseButton button, GridCell cell);
  void imagePressed(Qt::MouseButton button, int x, int y) override { imgChordPageMouseDown(button, x, y); }
  void redrawFretboard(const ChordDiagram& chord);

  PageHolders& holders_;
  ChordsPageModel model_;
  ChordMenus& menus_;
  PageList& pages_;
  NoteSpelling& spelling_;
  ChordDisplay& display_;
  std::filesystem::path dataFolder_;
  AppSettings& settings_;
  PagePlayer* player_;
  QString fileName_;
};

}  // namespace strumly::gui
