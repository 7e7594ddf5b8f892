#pragma once
// Asks for the play-page tempo in beats per minute. The dialog only decides: the caller applies
// the chosen tempo to the transport and marks the document it belongs to as modified.
#include <cstdint>
#include <optional>

#include "gui/controls/SmallDialog.h"

class QLineEdit;
class QScrollBar;

namespace strumly::gui {

class TdlgTempo : public SmallDialog {
  Q_OBJECT
 public:
  explicit TdlgTempo(std::uint32_t tempoMicros, QWidget* parent = nullptr);

  // The tempo (microseconds per beat) chosen by the last OK; empty after Cancel or an OK with an
  // empty edit.
  std::optional<std::uint32_t> chosenTempoMicros() const { return chosen_; }

  void accept() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  std::uint32_t tempoMicros_;
  std::optional<std::uint32_t> chosen_;
  QLineEdit* meditTempo_;
  QScrollBar* scrollTempo_;
};

}  // namespace strumly::gui
