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
#include <QPointer>
#include <filesystem>
#include <optional>
#include <string>

#include "core/pages/DiagramRecords.h"

class QAbstractButton;
class QWidget;

namespace strumly {
struct AppSettings;
struct ChordTypeRecord;
}  // namespace strumly

namespace strumly::gui {

class ChordDesignPage;
class DialogService;
class Fretboard;
class PageList;
class Transport;

class ShowIntervals : public QObject {
  Q_OBJECT
 public:
  // `showArpeggio` (sbShowArp) may be null. `dialogParent` carries the error notices; `dataFolder`
  // holds kvcd3.dat; the user's chord types come from the settings read at start-up;
  // `focusHome` (sbStrumSpeed) takes the focus back after a chord type was chosen.
  ShowIntervals(ChordDesignPage& page, Fretboard& fretboard, QAbstractButton* showArpeggio,
                DialogService& dialogs, QWidget* dialogParent, const Transport& transport,
                const PageList& pages, std::filesystem::path dataFolder, const AppSettings& settings,
                QWidget* focusHome, QObject* parent = nullptr);

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
  bool chordDesignActive() const;

  ChordDesignPage& page_;
  Fretboard& fretboard_;
  QAbstractButton* showArpeggio_;
  DialogService& dialogs_;
  QWidget* dialogParent_;
  const Transport& transport_;
  const PageList& pages_;
  std::filesystem::path dataFolder_;
  const AppSettings& settings_;
  QPointer<QWidget> focusHome_;
  std::optional<ChordDiagram> displayChord_;
};

}  // namespace strumly::gui
