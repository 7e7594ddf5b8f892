#pragma once
// "Add User Chord": a new chord type from interval check boxes. The root is always part of the
// type; at most six further intervals can be checked, and the formula follows the boxes as they
// are clicked (the user may still edit it before OK).
#include <QDialog>
#include <array>
#include <optional>

#include "core/app/AppSettings.h"

class QCheckBox;
class QLineEdit;

namespace strumly::gui {

class DialogService;

class TdlgAddChord : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kBoxes = 19;  // cbInterval0 (the root) .. cbInterval18
  static constexpr int kMaxIntervals = 6;

  explicit TdlgAddChord(DialogService& dialogs, QWidget* parent = nullptr);

  QCheckBox* intervalBox(int box) const { return cbInterval_[static_cast<std::size_t>(box)]; }
  QLineEdit* formulaEdit() const { return editUserFormula_; }
  QLineEdit* nameEdit() const { return editUserName_; }
  int checkedCount() const { return count_; }

  // The type OK stores: the root, then the checked boxes' semitones in box order; the name
  // "NONAME" when none was typed. Nothing when no interval is checked.
  std::optional<UserChordType> chosenType() const { return chosen_; }

  // cbInterval1MouseUp: a seventh interval is refused; the formula is written anew.
  void cbInterval1MouseUp(int box);

 protected:
  void showEvent(QShowEvent* event) override;
  void accept() override;

 private:
  DialogService& dialogs_;
  std::array<QCheckBox*, kBoxes> cbInterval_{};
  QLineEdit* editUserFormula_;
  QLineEdit* editUserName_;
  int count_ = 0;
  std::optional<UserChordType> chosen_;
};

}  // namespace strumly::gui
