#pragma once
// The Chord Design page: chords fingered on the fretboard, collected as six designs. The chord
// being designed (`designChord`) lives in the page holders of the main window; this page edits it
// through its fret controls and moves it with a new tuning.
#include <QWidget>

#include "core/chords/DiagramRecords.h"
#include "gui/app/TuningControls.h"

namespace strumly::gui {

class FretControls;

class ChordDesignPage : public QWidget, public TuningTakeOver {
  Q_OBJECT
 public:
  explicit ChordDesignPage(ChordDiagram& designChord, QWidget* parent = nullptr);

  const ChordDiagram& designChord() const { return designChord_; }
  ChordDiagram& designChord() { return designChord_; }
  void setDesignChord(const ChordDiagram& chord) { designChord_ = chord; }
  FretControls* fretControls() const { return fretControls_; }

  // An empty design only changes the controls; a design moves its sounding strings with the
  // tuning (muted strings stay 0) and then asks for its intervals and name again.
  void takeOverTuning(const Tuning& tuning, const QString& tuningName) override;
  // A press on the neck while this page is active: the fret controls apply it to the design.
  bool neckPressed(const Tuning& tuning, const QString& tuningName, int string, int fret, Qt::MouseButton button);

 Q_SIGNALS:
  // The design's pitches changed: intervals, name, fretboard and staff must follow.
  void designRetuned();
  void designEdited();

 private:
  ChordDiagram& designChord_;
  FretControls* fretControls_;
};

}  // namespace strumly::gui
