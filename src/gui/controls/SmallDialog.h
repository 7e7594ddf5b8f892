#pragma once
// The frame the program's small modal dialogs share (tempo, repeat markers, beginning fret):
// 313 x 214 client pixels, a framed bevel at (8, 8, 297 x 161), "OK" (the default button) at
// (79, 180) and "Cancel" at (159, 180), a fixed dialog border, centred on the screen when shown.
#include <QDialog>

class QLabel;

namespace strumly::gui {

class SmallDialog : public QDialog {
  Q_OBJECT
 public:
  SmallDialog(const QString& caption, QWidget* parent = nullptr);

 protected:
  // A label at a fixed place, sized to its text.
  QLabel* addLabel(const QString& name, const QString& text, int x, int y);
  void showEvent(QShowEvent* event) override;
};

}  // namespace strumly::gui
