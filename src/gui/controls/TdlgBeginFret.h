#pragma once
// Asks for the beginning fret of a scale position ("Change Beginning Fret"). A number outside
// 1..20 turns the prompt red and keeps the dialog open; an empty entry closes it with OK and
// chooses nothing. The caller applies the choice.
#include <optional>

#include "gui/controls/SmallDialog.h"

class QLabel;
class QLineEdit;

namespace strumly::gui {

class TdlgBeginFret : public SmallDialog {
  Q_OBJECT
 public:
  explicit TdlgBeginFret(QWidget* parent = nullptr);

  // The text the dialog opens with: the position's present beginning fret.
  void setBeginFret(int fret);
  // The fret of the last OK; nothing after Cancel or an OK with an empty entry.
  std::optional<int> chosenFret() const { return chosen_; }

  QLineEdit* meditBeginFret() const { return meditBeginFret_; }
  QLabel* label1() const { return label1_; }

  void accept() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void setPromptColour(const QColor& colour);

  QLabel* label1_;
  QLineEdit* meditBeginFret_;
  std::optional<int> chosen_;
};

}  // namespace strumly::gui
