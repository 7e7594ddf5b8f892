#pragma once
// The Chord Design page: chords fingered on the fretboard, collected as six designs. It owns the
// chord being designed (`designChord`), which follows a new tuning while it holds a chord.
#include <QWidget>

#include "core/chords/DiagramRecords.h"
#include "gui/app/TuningControls.h"

namespace strumly::gui {

class ChordDesignPage : public QWidget, public TuningTakeOver {
  Q_OBJECT
 public:
  explicit ChordDesignPage(QWidget* parent = nullptr);

  const ChordDiagram& designChord() const { return designChord_; }
  void setDesignChord(const ChordDiagram& chord) { designChord_ = chord; }

  // An empty design only changes the controls; a design moves its sounding strings with the
  // tuning (muted strings stay 0) and then asks for its intervals and name again.
  void takeOverTuning(const Tuning& tuning, const QString& tuningName) override;

 Q_SIGNALS:
  // The design's pitches changed: intervals, name, fretboard and staff must follow.
  void designRetuned();

 private:
  ChordDiagram designChord_;
};

}  // namespace strumly::gui
