#pragma once
// Edits the repeat markers of one play-page measure. OK writes the working markers; the caller
// then copies them into the saved set of the current time signature, marks the play page
// modified and redraws the markers.
#include "core/playpage/PlayPageData.h"
#include "gui/controls/SmallDialog.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace strumly::gui {

class TdlgRepeat : public SmallDialog {
  Q_OBJECT
 public:
  explicit TdlgRepeat(QWidget* parent = nullptr);

  // Loads the controls from working for the measure (1-based, shown in lblNum); OK writes back
  // into working, which must outlive the dialog's use.
  void setMeasure(int measure1Based, RepeatMarkers& working, TimeSignature signature);

  void accept() override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QLabel* lblNum_;
  QCheckBox* cbReturn_;
  QCheckBox* cbRepeat_;
  QLineEdit* editRepeat_;
  QCheckBox* cbLoop_;
  RepeatMarkers* working_ = nullptr;
  TimeSignature signature_ = TimeSignature::FourFour;
  int measure_ = 0;  // 0-based
  bool loopWasHere_ = false;
};

}  // namespace strumly::gui
