#pragma once
// The borderless window shown for three seconds while the first copy starts.
#include <QWidget>

class QLabel;

namespace strumly::gui {

class TfrmSplashScreen : public QWidget {
  Q_OBJECT
 public:
  explicit TfrmSplashScreen(QWidget* parent = nullptr);

  // Shows the window centred on the primary screen, paints it at once and waits `milliseconds`
  // while the window system keeps it painted.
  void showFor(int milliseconds);
  // The splash is left out with --no-splash or STRUMLY_NO_SPLASH=1 (tests, scripted runs).
  static bool wanted(const QStringList& arguments);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QLabel* lblDisclaimer_;
  QLabel* lblDisclaimer2_;
};

}  // namespace strumly::gui
