#pragma once
// The interval operations of the Chord Design page: "Show Intervals" lays the chord type chosen
// in the chord-type list over the whole neck for the current root, each interval outlined in the
// colour of its label; a click on an interval label switches between its simple and compound
// spelling; the chord name typed under the neck becomes the design's type name.
//
// The page owns the design, its compound flags and the two controls; this class owns only the
// display chord built last, which every later redraw of the design re-roots to `udRoot` rather
// than loading the chord type again.
#include <QObject>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "core/pages/DiagramRecords.h"

class QAbstractButton;
class QWidget;

namespace strumly {
struct ChordTypeRecord;
}

namespace strumly::gui {

class ChordDesignPage;
class DialogService;
class Fretboard;

class ShowIntervals : public QObject {
  Q_OBJECT
 public:
  struct Hooks {
    std::function<bool()> isPlayingOrBusy;
    std::function<bool()> chordDesignActive;
    std::function<std::filesystem::path()> dataFolder;  // holds kvcd3.dat
    std::function<std::string()> settingsFile;          // Kv.ini with the user chord types
    std::function<void()> returnFocus;                  // to sbStrumSpeed
  };

  // `showArpeggio` (sbShowArp) may be null. `dialogParent` carries the error notices.
  ShowIntervals(ChordDesignPage& page, Fretboard& fretboard, QAbstractButton* showArpeggio,
                DialogService& dialogs, QWidget* dialogParent, Hooks hooks, QObject* parent = nullptr);

  // The button was clicked: refused while busy (the button goes back), up shows the design
  // alone, down loads the selected chord type and shows it across the neck.
  void sbDisplayIntervalsClick();
  // A chord type was chosen: as the button's click, then the focus goes back to the strum bar.
  void ComboBox1Click();
  // The design is shown again after an edit, a new root, a new tuning or entering the page:
  // with the button down, first the design alone (Show Arpeggio held off), then the display
  // chord built last on the current root; with it up, the design alone.
  void redrawDesign();
  // A click on an interval label whose tag is `tag`.
  void editIntervals0Click(int tag);
  // The chord name under the neck was typed into.
  void editChordNameUserKeyUp(const QString& text);

  // The chord laid over the neck last; nothing before the first display, or when the selected
  // entry names no chord type.
  const std::optional<ChordDiagram>& displayChord() const { return displayChord_; }

 private:
  enum class Loaded { Type, NoType, Failed };
  Loaded loadSelectedType(ChordTypeRecord& type);
  void showDisplay();
  bool displayDown() const;
  bool busy() const { return hooks_.isPlayingOrBusy && hooks_.isPlayingOrBusy(); }

  ChordDesignPage& page_;
  Fretboard& fretboard_;
  QAbstractButton* showArpeggio_;
  DialogService& dialogs_;
  QWidget* dialogParent_;
  Hooks hooks_;
  std::optional<ChordDiagram> displayChord_;
};

}  // namespace strumly::gui
