#include "gui/help/HelpDialogService.h"

#include <QApplication>

#include "core/app/HelpRouting.h"
#include "gui/help/HelpWindow.h"
#include "gui/help/TipWindow.h"

namespace strumly::gui {

HelpDialogService::HelpDialogService(QString helpFolder) : helpFolder_(std::move(helpFolder)) {}

HelpDialogService::~HelpDialogService() {
  delete window_.data();
}

void HelpDialogService::help(QWidget* /*parent*/, int context) {
  const HelpDestination to = destinationOf(routeHelpRequest(
      {static_cast<std::uint32_t>(HelpCommand::Context), static_cast<std::uint32_t>(context), {}}));
  if (!window_) {
    if (to.kind == HelpDestination::Kind::Close) return;
    window_ = new HelpWindow(helpFolder_);
  }
  // A modal dialog (Preferences, Add User Chord) would block a window of its own; as the
  // dialog's child the help can be read and scrolled while the dialog stays open.
  QWidget* modal = QApplication::activeModalWidget();
  if (window_->parentWidget() != modal) window_->setParent(modal, Qt::Window);
  window_->go(to);
}

void HelpDialogService::tipOfTheDay(QWidget* parent, const TipFile& tips) {
  TTipOfTheDayForm form(tips, *this, parent);
  form.exec();
}

}  // namespace strumly::gui
