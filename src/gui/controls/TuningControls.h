#pragma once
// The six tuning up-downs under the fretboard with their note read-outs and the tuning name.
// They hold the current tuning. Stepping an up-down only renames its read-out (UpDown0Click);
// releasing it takes the new tuning over (UpDown0MouseUp) and hands it to the active page.
#include <QWidget>
#include <array>
#include <functional>

#include "core/theory/Pitch.h"
#include "gui/common/TuningTakeOver.h"

class QLabel;
class QLineEdit;

namespace strumly::gui {

class NoteSpelling;
class UpDown;

class TuningControls : public QWidget {
  Q_OBJECT
 public:
  TuningControls(NoteSpelling& spelling, QWidget* parent = nullptr);

  // Changes are ignored while this answers true (playing or busy).
  void setBusyCheck(std::function<bool()> isBusy) { isBusy_ = std::move(isBusy); }

  const Tuning& tuning() const { return tuning_; }
  QString tuningName() const;
  // Positions, read-outs and current tuning to 64 59 55 50 45 40; the tuning name is left alone.
  void setStandardTuning();
  // A page's own tuning shown in the controls, with its name.
  void showTuning(const Tuning& tuning, const QString& name);
  void setTuningName(const QString& name);
  // Locked pages cannot change the tuning: the up-downs are disabled.
  void setLocked(bool locked);
  bool isLocked() const;

  UpDown* upDown(int string) const { return upDowns_[static_cast<std::size_t>(string)]; }
  QLineEdit* readOut(int string) const { return readOuts_[static_cast<std::size_t>(string)]; }
  QLineEdit* tuningNameEdit() const { return editTuningName_; }
  QLabel* tuningNameLabel() const { return lblTuningName_; }

  // The shared handlers of the six up-downs, by the sender's string number.
  void UpDown0Click(int string);
  void UpDown0MouseUp();
  // Re-reads every read-out from the current tables (after the spelling switched).
  void refreshNames();

 Q_SIGNALS:
  // After a take-over: the active page decides what the new tuning changes.
  void tuningTakenOver(const strumly::Tuning& tuning, const QString& tuningName);

 private:
  NoteSpelling& spelling_;
  std::function<bool()> isBusy_;
  Tuning tuning_;
  std::array<UpDown*, kStringCount> upDowns_{};
  std::array<QLineEdit*, kStringCount> readOuts_{};
  QLineEdit* editTuningName_;
  QLabel* lblTuningName_;
};

}  // namespace strumly::gui
