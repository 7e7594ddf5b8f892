#pragma once
// The bottom panel `pnlBottom`: the tuning controls on the left, the fretboard, and under it the
// read-outs of the note and interval under the mouse, the chord name (typed into on the Chord
// Design page), its notes and its intervals (clicked on that page to switch their spelling). The fretboard
// widget is put in by whoever builds it; until then a placeholder of the fretboard's size keeps the layout.
#include <QFrame>
#include <array>

class QLabel;
class QLineEdit;
class QVBoxLayout;

namespace strumly::gui {

class NoteSpelling;
class TuningControls;

class BottomPanel : public QFrame {
  Q_OBJECT
 public:
  static constexpr int kFretboardWidth = 900;
  static constexpr int kFretboardHeight = 132;

  BottomPanel(NoteSpelling& spelling, QWidget* parent = nullptr);

  TuningControls* tuningControls() const { return tuning_; }
  // Replaces the placeholder (or an earlier fretboard); the panel takes ownership.
  void setFretboard(QWidget* fretboard);
  QWidget* fretboard() const { return fretboard_; }
  // A line of its own right under the fretboard (Listen's verdict); the panel takes ownership.
  void addUnderFretboard(QWidget* line);

  QLabel* noteReadOut() const { return pnlNote_; }
  QLabel* intervalReadOut() const { return pnlInterval_; }
  QLineEdit* chordNameEdit() const { return editChordNameUser_; }
  QLineEdit* notesEdit() const { return editNotes_; }
  QLabel* intervalLabel(int slot) const { return editIntervals_[static_cast<std::size_t>(slot)]; }

  // The note and interval read-outs name what is under the mouse; leaving the board clears them.
  void clearPointerReadOuts();
  // The interval labels back to black on white, as every page is entered.
  void resetIntervalColours();

 Q_SIGNALS:
  void mouseMoved();
  // A left press on one of the interval labels editIntervals0..6, with that label's tag (its
  // interval mod 12, 0 when empty).
  void intervalClicked(int tag);

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  NoteSpelling& spelling_;
  TuningControls* tuning_;
  QWidget* fretboard_;
  QVBoxLayout* column_;  // the fretboard and the read-out rows under it
  QLabel* pnlNote_;
  QLabel* pnlInterval_;
  QLineEdit* editChordNameUser_;
  QLineEdit* editNotes_;
  std::array<QLabel*, 8> editIntervals_{};
};

}  // namespace strumly::gui
