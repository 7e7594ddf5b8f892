#pragma once
// What the diagram pages (Chords, Scales, Print) and the Chord Design group have in common: the
// page picture, in a scroll area of its own where the page scrolls; its popup, built from the
// page's command table so that the busy rule is the table's; the placement cursor of a carried
// or moved diagram and the question before a drop replaces one. What a press means stays with
// each page; the base disarms the popup and refuses the press while the transport is busy.
#include <QPointer>
#include <QSize>
#include <QString>
#include <QWidget>
#include <functional>
#include <initializer_list>

#include "gui/common/Command.h"
#include "gui/common/PagePrintout.h"

class QMenu;
class QScrollArea;

namespace strumly::gui {

class DialogService;
class PageImage;

// The object names and the picture of one diagram page.
struct DiagramPageParts {
  QString scrollName = {};  // empty: the picture stands in the page's own layout, unscrolled
  QString imageName;
  QSize imageSize;
  int fontPoints = 0;  // the canvas font's size; 0 keeps the default
  QString popupName;
  QString accessibleName;  // what a screen reader calls the picture
  QString shows;           // and what it says the picture shows
};

// The cursor over the picture while a diagram waits to be dropped.
enum class DropCursor { None, Carried, Moving };

class DiagramPageBase : public QWidget {
  Q_OBJECT
 public:
  PageImage* image() const { return image_; }
  // Null where the picture does not scroll (the Chord Design group).
  QScrollArea* scroll() const { return scroll_; }
  QMenu* popup() const { return popup_; }
  CommandTable& commands() { return *commands_; }
  // True while the popup may open over the last press (only over a used diagram).
  bool popupArmed() const { return popupArmed_; }
  DropCursor dropCursor() const { return dropCursor_; }

  // The busy rule for what is not a command: a press, a drop, a button the page is handed. The
  // popup's items never ask; their table does.
  bool refusedNow() const { return refusedNow(gate_); }
  static bool refusedNow(const CommandGate& gate) { return gate.IsPlayingOrBusy(); }

 protected:
  DiagramPageBase(const DiagramPageParts& parts, const CommandGate& gate, DialogService& dialogs,
                  QWidget* focusHome = nullptr, QWidget* parent = nullptr);

  // A press on the picture, or Enter and the menu keys at its selection (page pixels).
  virtual void imagePressed(Qt::MouseButton button, int x, int y) = 0;

  // A popup item: its id is the action's object name, the handler the page's own Click.
  static Command popupItem(const QString& id, const QString& caption, std::function<void()> handler,
                           std::function<bool()> enabled = {});
  // The popup's items, in order.
  void addPopupItems(std::initializer_list<Command> items);

  // The start of every press: the popup is disarmed; false while busy or for a button other than
  // the left and the right one.
  bool pressTaken(Qt::MouseButton button);
  // A press on a used diagram arms the popup; a right press opens it there and ends the press
  // (true).
  bool armPopup(Qt::MouseButton button);

  void showPlacementCursor(DropCursor cursor);
  // A carried diagram is about to land on `used` ground: the question (No by default); true to
  // go on.
  bool replaceConfirmed(bool used, const QString& question);

  DialogService& dialogs() const { return dialogs_; }
  // The picture scrolled so that page pixel `y` is at the top.
  void scrollTo(int y);
  // The whole picture as one sheet under `title`.
  PagePrintout sheet(const QString& title) const;
  // The focus back where Space reaches the window keys.
  void returnFocus();

 private:
  const CommandGate& gate_;
  DialogService& dialogs_;
  QPointer<QWidget> focusHome_;
  QScrollArea* scroll_ = nullptr;
  PageImage* image_;
  QMenu* popup_;
  CommandTable* commands_;
  bool popupArmed_ = false;
  DropCursor dropCursor_ = DropCursor::None;
};

}  // namespace strumly::gui
