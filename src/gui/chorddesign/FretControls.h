#pragma once
// The fretboard controls of the Chord Design page: the finger buttons ("P", "1".."4", exactly one
// down), the root and bass steppers with their note names, and one fret edit per string. The
// page applies what they report to the design chord.
#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>

#include "core/pages/DiagramRecords.h"
#include "core/theory/Pitch.h"

class QButtonGroup;
class QLineEdit;
class QToolButton;

namespace strumly::gui {

class FretControls : public QWidget {
  Q_OBJECT

 public:
  explicit FretControls(QWidget* parent = nullptr);

  // The finger code of the button that is down: "P" 6, "1".."4" 1..4.
  std::uint8_t fingerCode() const;
  void setFingerCode(std::uint8_t code);

  int root() const { return root_; }  // udRoot, 0..11
  int bass() const { return bass_; }  // udBass, 0..11
  // Shows a root and bass (as after a right press on the neck) without reporting a click.
  void showRootAndBass(int root, int bass);
  // Re-reads the root and bass names after the spelling switched.
  void setNoteNames(const NoteNames& names);

  // Each fret edit shows its string's fret when the string sounds, else nothing.
  void showFrets(const ChordDiagram& chord);

  // The parts of a neck press these controls answer for: the chord takes the press with the
  // finger button's code, the fret edits follow, and a right press shows the new root and bass.
  // The page then recomputes the intervals and redraws. False for a position off the neck.
  bool applyNeckPress(ChordDiagram& chord, const Tuning& tuning, const QString& tuningName, int string,
                      int fret, Qt::MouseButton button);
  // The same for a fret edit that was left (nothing mutes, 0 opens, else the finger's code).
  bool applyFretEdit(ChordDiagram& chord, const Tuning& tuning, const QString& tuningName, int string,
                     std::optional<int> fret);

  // The stepper arrows, as the up-downs' OnClick: +1 up, -1 down, wrapping 0..11.
  void udRootClick(int delta);
  void udBassClick(int delta);

  QToolButton* fingerButton(std::uint8_t code) const;
  QLineEdit* fretEdit(int string) const { return editTab_[static_cast<std::size_t>(string)]; }
  QLineEdit* rootEdit() const { return editRoot_; }
  QLineEdit* bassEdit() const { return editBass_; }

 Q_SIGNALS:
  // udRoot stepped: the bass follows the root.
  void rootChanged(int root, int bass);
  void bassChanged(int bass);
  // udRootMouseUp: the design takes the new root over.
  void rootReleased();
  // A fret edit was left: nothing for an empty edit or a value off the neck (which empties it).
  void fretEdited(int string, std::optional<int> fret);
  // While a fret edit has the focus the main window's keys must not act.
  void fretEditEntered();
  void fretEditLeft();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* makeStepper(const QString& name, QLineEdit*& edit, void (FretControls::*step)(int),
                       bool reportRelease);
  void refreshNames();
  void editTabExit(int string);

  NoteNames names_;
  QButtonGroup* fingers_;
  std::array<QLineEdit*, kStringCount> editTab_{};
  QLineEdit* editRoot_ = nullptr;
  QLineEdit* editBass_ = nullptr;
  int root_ = 0;
  int bass_ = 0;
};

}  // namespace strumly::gui
