#include "gui/common/DiagramPageBase.h"

#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "gui/common/DialogService.h"
#include "gui/common/PageImage.h"
#include "gui/common/Resources.h"

namespace strumly::gui {

DiagramPageBase::DiagramPageBase(const DiagramPageParts& parts, const CommandGate& gate,
                                 DialogService& dialogs, QWidget* focusHome, QWidget* parent)
    : QWidget(parent),
      gate_(gate),
      dialogs_(dialogs),
      focusHome_(focusHome),
      image_(new PageImage(parts.imageSize, this)),
      popup_(new QMenu(this)),
      // A child of the popup, so that its items are found below it by their names.
      commands_(new CommandTable(&gate, popup_)) {
  image_->setObjectName(parts.imageName);
  if (parts.fontPoints > 0) image_->setCanvasFont(pageFont(parts.fontPoints));
  popup_->setObjectName(parts.popupName);
  if (!parts.scrollName.isEmpty()) {
    scroll_ = new QScrollArea(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    // A click on the page takes the focus out of any edit; Tab goes straight to the picture.
    scroll_->setFocusPolicy(Qt::ClickFocus);
    scroll_->setObjectName(parts.scrollName);
    scroll_->setWidget(image_);
    scroll_->setBackgroundRole(QPalette::Base);
    layout->addWidget(scroll_);
  }
  connect(
      image_, &PageImage::mousePressed, this,
      [this](Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y) { imagePressed(button, x, y); });
  pressSelectionOnKeys(image_, [this](Qt::MouseButton button, int x, int y) { imagePressed(button, x, y); });
  describePicture(image_, parts.accessibleName, parts.shows);
}

Command DiagramPageBase::popupItem(const QString& id, const QString& caption, std::function<void()> handler,
                                   std::function<bool()> enabled) {
  Command command;
  command.id = id;
  command.caption = caption;
  command.handler = std::move(handler);
  command.enabled = std::move(enabled);
  return command;
}

void DiagramPageBase::addPopupItems(std::initializer_list<Command> items) {
  QList<QString> ids;
  for (const Command& item : items) {
    ids << item.id;
    commands_->add(item);
  }
  commands_->addTo(popup_, ids);
}

bool DiagramPageBase::pressTaken(Qt::MouseButton button) {
  popupArmed_ = false;
  return !refusedNow() && (button == Qt::LeftButton || button == Qt::RightButton);
}

bool DiagramPageBase::armPopup(Qt::MouseButton button) {
  popupArmed_ = true;
  if (button != Qt::RightButton) return false;
  // Shown with the items' state of this target; the menu refreshes it again as it opens.
  commands_->refresh();
  popup_->popup(image_->popupPosition());
  return true;
}

void DiagramPageBase::showPlacementCursor(DropCursor cursor) {
  dropCursor_ = cursor;
  switch (cursor) {
    case DropCursor::None:
      image_->unsetCursor();
      break;
    case DropCursor::Carried:
      image_->setCursor(gui::cursor("CURFRET"));
      break;
    case DropCursor::Moving:
      image_->setCursor(gui::cursor("CURMOVE"));
      break;
  }
}

bool DiagramPageBase::replaceConfirmed(bool used, const QString& question) {
  return !used || dialogs_.confirm(this, question, DialogService::Answer::No);
}

void DiagramPageBase::scrollTo(int y) {
  if (scroll_) scroll_->verticalScrollBar()->setValue(y);
}

PagePrintout DiagramPageBase::sheet(const QString& title) const {
  PagePrintout out;
  out.pictures << pageSheet(*image_);
  out.titles << title;
  return out;
}

void DiagramPageBase::returnFocus() {
  if (focusHome_) focusHome_->setFocus();
}

}  // namespace strumly::gui
