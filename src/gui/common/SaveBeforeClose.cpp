#include "gui/common/SaveBeforeClose.h"

#include "gui/common/DialogService.h"

namespace strumly::gui {

QString SaveBeforeClose::question(const ClosingDocument& document) {
  QString text = document.text;
  const QString file = document.fileName ? document.fileName() : QString();
  if (!file.isEmpty()) text += "to " + file + " ";
  return text + "before closing?";
}

bool SaveBeforeClose::mayClose(DialogService& dialogs, QWidget* parent) const {
  for (const ClosingDocument& document : documents_) {
    if (!document.isModified || !document.isModified()) continue;
    switch (dialogs.question(parent, question(document))) {
      case DialogService::Answer::Cancel:
        return false;
      case DialogService::Answer::No:
        continue;
      case DialogService::Answer::Yes:
        if (!document.save || !document.save()) return false;
        break;
    }
  }
  return true;
}

}  // namespace strumly::gui
