#pragma once
// The main window's menu bar: "&File", "&Key", "&Major", "M&inor", "&Dominant", "&Scale",
// "&Options", "&Window" (hidden) and "&Help". The File, Options and Help items are commands of the
// shell's table, declared here with their captions, keys and busy rule (every menu item waits
// while playing); the part that owns each gives its handler (`CommandTable::setHandler`). The
// key, chord-type and scale items are commands of the same table that `ChordMenus` declares.
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>
#include <vector>

#include "core/app/AppSettings.h"
#include "core/app/PageRules.h"

class QAction;
class QMenu;
class QMenuBar;

namespace strumly::gui {

class CommandTable;

struct TutorialEntry {
  QString caption;  // file name without extension
  QString path;     // full path of the .htm file
};

class MainMenu : public QObject {
  Q_OBJECT
 public:
  MainMenu(QMenuBar* bar, CommandTable& commands);

  CommandTable& commands() const { return commands_; }

  QMenu* menuFile() const { return menuFile_; }
  QMenu* menuKey() const { return menuKey_; }
  QMenu* menuMajor() const { return menuMajor_; }
  QMenu* menuMinor() const { return menuMinor_; }
  QMenu* menuDominant() const { return menuDominant_; }
  QMenu* menuScale() const { return menuScale_; }
  QMenu* menuOptions() const { return menuOptions_; }
  QMenu* menuWindow() const { return menuWindow_; }
  QMenu* menuHelp() const { return menuHelp_; }
  // Any item or submenu by its object name; nullptr when there is none.
  QAction* action(const QString& objectName) const;
  QMenu* submenu(const QString& objectName) const;
  // The twelve key items "mnuC" .. "mnuB" in pitch-class order (once `ChordMenus` filled them in).
  QList<QAction*> keyItems() const;

  // "Web Sites..." after "Show Tips..." when there are any; each item opens its address.
  void addWebSites(const std::vector<WebSite>& sites);
  // "Tutorials..." after "Web Sites..." (or before "&About..."); at most 26 items.
  void addTutorials(const QList<TutorialEntry>& tutorials);
  // The tutorial pages of a folder, as the Help menu lists them.
  static QList<TutorialEntry> findTutorials(const QString& folder);

  // Opening "&File" names "&New" after the active page; the Tablature page keeps the caption.
  void renameNewItem(PageId active);

  // Enables or disables every top-level menu (while playing, nothing else may start).
  void setAllEnabled(bool enabled);

 Q_SIGNALS:
  // A web-site or tutorial item was chosen: the address or file to open in the desktop's viewer.
  void openRequested(const QString& target);

 private:
  QMenu* addMenu(const QString& title, const QString& name);
  // Declares a command of the shell's table and appends its item to `menu`.
  QAction* addCommand(QMenu* menu, const QString& caption, const QString& id, const QKeySequence& keys = {});

  QMenuBar* bar_;
  CommandTable& commands_;
  QMenu* menuFile_;
  QMenu* menuKey_;
  QMenu* menuMajor_;
  QMenu* menuMinor_;
  QMenu* menuDominant_;
  QMenu* menuScale_;
  QMenu* menuOptions_;
  QMenu* menuWindow_;
  QMenu* menuHelp_;
  QAction* showTips_ = nullptr;
  QAction* aboutSeparator_ = nullptr;
  QAction* webSitesItem_ = nullptr;
};

}  // namespace strumly::gui
