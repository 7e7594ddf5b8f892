#pragma once
// The "Tip of the Day" window `TTipOfTheDayForm`: the tip of line 2 of the tip file under "Did
// you know...", "Next Tip" to turn to the next one, "Show Tips at Startup", and "OK", which keeps
// the choice and turns the tips once more so the next start shows a tip not seen yet.
#include <QDialog>

#include "core/app/TipFile.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace strumly::gui {

class DialogService;

class TTipOfTheDayForm : public QDialog {
  Q_OBJECT
 public:
  TTipOfTheDayForm(const TipFile& tips, DialogService& dialogs, QWidget* parent = nullptr);

  QLabel* tipLabel() const { return Tip_; }
  QCheckBox* showOnStartupBox() const { return ShowOnStartup_; }
  QPushButton* nextButton() const { return NextBtn_; }
  QPushButton* okButton() const { return OKBtn_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormShow();
  void fitLongestTip();
  void NextBtnClick();
  void OKBtnClick();

  const TipFile& tips_;
  DialogService& dialogs_;
  TipRotation lines_;
  QLabel* Tip_;
  QCheckBox* ShowOnStartup_;
  QPushButton* NextBtn_;
  QPushButton* OKBtn_;
  bool loaded_ = false;
};

}  // namespace strumly::gui
