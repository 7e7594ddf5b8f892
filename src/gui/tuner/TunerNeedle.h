#pragma once
// The tuner's meter: a scale from -50 to +50 cents with the in-tune band in the middle and a
// needle that turns green inside it. No needle while nothing is heard.
#include <QWidget>
#include <optional>

namespace strumly::gui {

class TunerNeedle : public QWidget {
  Q_OBJECT
 public:
  explicit TunerNeedle(QWidget* parent = nullptr);
  void showCents(std::optional<double> cents, bool inTune);
  std::optional<double> cents() const { return cents_; }
  QSize sizeHint() const override { return {320, 150}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::optional<double> cents_;
  bool inTune_ = false;
};

}  // namespace strumly::gui
