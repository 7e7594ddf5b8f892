#pragma once
// The Chords page: "Show Chords" adds a set of six dictionary voicings of the chosen key and chord
// type as a row of small diagrams under a heading; up to five sets stand on the page. A left
// press selects a diagram and shows it on the fretboard; the popup "popmenuChords" plays it,
// shows its arpeggio or sends it to the Chord Design, Play or Print page. The owner of the tool
// panel connects btnShowChords to btnShowChordsClick.
#include <QString>
#include <QWidget>
#include <filesystem>
#include <functional>

#include "core/chords/ChordsPageModel.h"

class QAction;
class QMenu;
class QScrollArea;

namespace strumly::gui {

class ChordMenus;
class DialogService;
class NoteSpelling;
class PageImage;
class PageSwitcher;

class ChordsPage : public QWidget {
  Q_OBJECT
 public:
  // What the page asks of the rest of the main window. A hook left empty does nothing, so the page
  // works before the fretboard or the players are wired.
  struct Hooks {
    std::function<bool()> isPlayingOrBusy;                     // Play or Pause down, or busy cursor
    std::function<bool()> leftHanded;                          // sbtnLeftHanded down
    std::function<void(const ChordDiagram&)> redrawFretboard;  // RedrawFretboard
    std::function<void()> clearFretboard;                      // ClearFretboard
    std::function<void(const ChordDiagram&)> showArpeggio;     // press sbShowArp, show this chord's
    std::function<void()> startPlayback;                       // press sbtnPlay, play chordPageChord
    std::function<void()> showScale;  // "Show Scale": the Scales page adds a set of the chosen scale
    std::function<void()> clearPointerReadouts;            // empty pnlNote and pnlInterval
    std::function<void()> returnFocus;                     // focus back to sbStrumSpeed
    std::function<std::filesystem::path()> programFolder;  // where the dictionary lies, once known
  };

  ChordsPage(PageHolders& holders, ChordMenus& menus, PageSwitcher& switcher, DialogService& dialogs,
             NoteSpelling& spelling, std::filesystem::path programFolder, QWidget* parent = nullptr);

  void setHooks(Hooks hooks) { hooks_ = std::move(hooks); }
  Hooks& hooks() { return hooks_; }

  PageImage* imgChordPage() const { return imgChordPage_; }
  QScrollArea* scrollChordPage() const { return scrollChordPage_; }
  QMenu* popmenuChords() const { return popmenuChords_; }
  ChordsPageModel& model() { return model_; }
  const ChordsPageModel& model() const { return model_; }

  // The chord page file last opened or saved; shown in the window caption.
  QString fileName() const { return fileName_; }
  void setFileName(const QString& name) { fileName_ = name; }

  void btnShowChordsClick();
  void imgChordPageMouseDown(Qt::MouseButton button, int x, int y);
  void pmenu1PlayChordClick();
  void pmenu1SendtoDesignClick();
  void pmenu1SendtoPlayClick();
  void pmenu1SendtoPrintClick();
  void menu1ArpeggioClick();
  // "Erase Page" and "&New" while this page is active.
  void erase();
  // The whole page again from the holder (left-handed switch, page file opened): sets row by row
  // up to the first gap, with the headings of their records and the selection frame.
  void redrawPage();
  // Foot switch: the next diagram becomes the selection, as a left press on it would.
  void selectNextDiagram();
  // What the fretboard shows when the page is entered.
  void showOnFretboard();

  // True while the popup may open over the last press (only over a used set).
  bool popupArmed() const { return popupArmed_; }

 private:
  void applySelection(const ChordsPagePress& moved);
  void drawSet(int set, int markers, const QString& heading);
  bool busy() const { return hooks_.isPlayingOrBusy && hooks_.isPlayingOrBusy(); }
  bool leftHanded() const { return hooks_.leftHanded && hooks_.leftHanded(); }
  void redrawFretboard(const ChordDiagram& chord);
  void returnFocus();

  PageHolders& holders_;
  ChordsPageModel model_;
  ChordMenus& menus_;
  PageSwitcher& switcher_;
  DialogService& dialogs_;
  NoteSpelling& spelling_;
  std::filesystem::path programFolder_;
  Hooks hooks_;
  QScrollArea* scrollChordPage_;
  PageImage* imgChordPage_;
  QMenu* popmenuChords_;
  bool popupArmed_ = false;
  QString fileName_;
};

}  // namespace strumly::gui
