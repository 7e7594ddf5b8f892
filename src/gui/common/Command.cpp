#include "gui/common/Command.h"

#include <QAbstractButton>
#include <QAction>
#include <QMenu>
#include <QSignalBlocker>

namespace strumly::gui {

CommandTable::CommandTable(const CommandGate* gate, QObject* parent) : QObject(parent), gate_(gate) {}

QAction* CommandTable::add(Command command) {
  auto* action = new QAction(command.caption, this);
  action->setObjectName(command.id);
  if (!command.shortcut.isEmpty()) action->setShortcut(command.shortcut);
  action->setCheckable(command.checkable);
  const QString id = command.id;
  connect(action, &QAction::triggered, this, [this, id] { run(id); });
  entries_.push_back(Entry{std::move(command), action});
  return action;
}

bool CommandTable::setHandler(const QString& id, std::function<void()> handler) {
  for (Entry& entry : entries_) {
    if (entry.command.id != id) continue;
    entry.command.handler = std::move(handler);
    return true;
  }
  return false;
}

bool CommandTable::setEnabledRule(const QString& id, std::function<bool()> enabled) {
  for (Entry& entry : entries_) {
    if (entry.command.id != id) continue;
    entry.command.enabled = std::move(enabled);
    entry.action->setEnabled(!refusedNow(entry.command));
    return true;
  }
  return false;
}

QAction* CommandTable::action(const QString& id) const {
  for (const Entry& entry : entries_)
    if (entry.command.id == id) return entry.action;
  return nullptr;
}

const Command* CommandTable::find(const QString& id) const {
  for (const Entry& entry : entries_)
    if (entry.command.id == id) return &entry.command;
  return nullptr;
}

bool CommandTable::refusedNow(const Command& command) const {
  if (command.refusedWhileBusy && gate_ && gate_->IsPlayingOrBusy()) return true;
  return command.enabled && !command.enabled();
}

bool CommandTable::run(const QString& id) {
  const Command* command = find(id);
  if (!command || refusedNow(*command) || !command->handler) return false;
  // Copied: a handler may add commands, which would move the entry it runs from.
  const std::function<void()> handler = command->handler;
  handler();
  return true;
}

void CommandTable::addTo(QMenu* menu, const QList<QString>& ids) {
  for (const QString& id : ids) {
    if (id.isEmpty()) {
      menu->addSeparator();
    } else if (QAction* item = action(id)) {
      menu->addAction(item);
    }
  }
  connect(menu, &QMenu::aboutToShow, this, &CommandTable::refresh, Qt::UniqueConnection);
}

void CommandTable::bind(QAbstractButton* button, const QString& id) {
  connect(button, &QAbstractButton::clicked, this, [this, id, button](bool checked) {
    if (run(id) || !button->isCheckable()) return;
    const QSignalBlocker quiet(button);
    button->setChecked(!checked);
  });
}

void CommandTable::refresh() {
  for (const Entry& entry : entries_) entry.action->setEnabled(!refusedNow(entry.command));
}

}  // namespace strumly::gui
