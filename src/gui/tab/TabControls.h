#pragma once
// The Tablature page's tool panel `pnlTablature`: checking and converting, the view switch, the
// player's check boxes and sliders, and the " Write Tab " group of the raw view. The panel only
// holds the controls in their start-up state; the page connects them.
#include <QFrame>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSlider;

namespace strumly::gui {

class TabControls : public QFrame {
  Q_OBJECT
 public:
  explicit TabControls(QWidget* parent = nullptr);

  // "Time of each - : " followed by the slice time.
  static QString sliceTimeCaption(int value);

  QPushButton* btnCheckTabEdits;
  QPushButton* btnConvertTab;
  QPushButton* btnViewRawConTab;
  QCheckBox* cbUserTabPlay1stChar;
  QCheckBox* cbUserTabTimeAdjust;
  QCheckBox* cbAutoTune;
  QSlider* trkbarTabSustain;
  QSlider* trkbarSliceTime;
  QLabel* lblSliceTime;
  QGroupBox* grpWriteTab;
  QCheckBox* cbEditTab;
  QPushButton* btnStripTab;
  QPushButton* btnInsertTab;
};

}  // namespace strumly::gui
