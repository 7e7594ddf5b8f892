#pragma once
// Every menu item, popup item, tool button and foot-switch action is a `Command`, declared once in
// the table of the part that owns it (the shell, a page, a dialog with menus). A table builds the
// actions and binds the buttons, and `CommandTable::run` is the one place where the rule "refused
// while playing or busy" is checked: a handler never asks for itself.
#include <QCoreApplication>
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class QAbstractButton;
class QAction;
class QMenu;

namespace strumly::gui {

// What the busy rule asks: the transport answers it (Play or Pause down, or the busy cursor).
class CommandGate {
 public:
  virtual ~CommandGate() = default;
  virtual bool IsPlayingOrBusy() const = 0;
};

struct Command {
  QString id;       // the object name of the action ("mnuOpen", "pmenuAddToPrint")
  QString caption;  // already translated, with its accelerator ("&Open...")
  QKeySequence shortcut;
  bool refusedWhileBusy = true;
  // Empty: always enabled. Asked when a menu or popup is about to show and by `refresh`.
  std::function<bool()> enabled;
  std::function<void()> handler;
  bool checkable = false;
};

class CommandTable : public QObject {
  Q_OBJECT
 public:
  // `gate` may be null for a table whose commands are never refused (a dialog's own menus).
  CommandTable(const CommandGate* gate, QObject* parent);

  // Adds a command and makes its action (parented to the table, named by the id).
  QAction* add(Command command);
  // The owner of a command declared elsewhere (a menu item the menu bar lays out) gives its
  // handler; false when there is no such command.
  bool setHandler(const QString& id, std::function<void()> handler);
  // Likewise the rule that enables it (a device that must be there); the action follows at once.
  bool setEnabledRule(const QString& id, std::function<bool()> enabled);
  QAction* action(const QString& id) const;
  const Command* find(const QString& id) const;

  // The one gate: false (and nothing happens) when the command is unknown, refused while busy
  // now, or its enabled rule says no; otherwise runs the handler.
  bool run(const QString& id);
  bool refusedNow(const Command& command) const;

  // Appends the actions of `ids` to a menu or popup; an empty id adds a separator. The menu
  // refreshes the enabled state of its items each time it is about to show.
  void addTo(QMenu* menu, const QList<QString>& ids);
  // A button's click runs the command (and nothing else). A toggle whose command is refused
  // springs back to where it was, so no button shows a state that was never taken.
  void bind(QAbstractButton* button, const QString& id);
  // Enables each action by its rule (and disables the refused ones while busy).
  void refresh();

 private:
  struct Entry {
    Command command;
    QAction* action;
  };
  const CommandGate* gate_;
  std::vector<Entry> entries_;
};

}  // namespace strumly::gui
