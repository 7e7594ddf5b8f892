#pragma once
// The program's real dialogs with its help and its tip of the day: Qt's dialogs, one help window
// made on the first help request, and the tip window.
#include <QPointer>

#include "gui/common/DialogService.h"

namespace strumly::gui {

class HelpWindow;

class HelpDialogService : public QtDialogService {
 public:
  explicit HelpDialogService(QString helpFolder);
  ~HelpDialogService() override;

  void help(QWidget* parent, int context) override;
  void tipOfTheDay(QWidget* parent, const TipFile& tips) override;

 private:
  QString helpFolder_;
  QPointer<HelpWindow> window_;
};

}  // namespace strumly::gui
