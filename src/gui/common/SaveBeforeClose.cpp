#include "gui/common/SaveBeforeClose.h"

#include "gui/common/DialogService.h"

namespace strumly::gui {

QString SaveBeforeClose::question(const ClosingDocument& document) {
  const QString file = document.fileName ? document.fileName() : QString();
  return file.isEmpty() ? document.question : QString(document.questionToFile).arg(file);
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
