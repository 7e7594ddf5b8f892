#include "gui/app/MainMenu.h"

#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "gui/common/Command.h"

namespace strumly::gui {
namespace {

constexpr int kMaxTutorials = 26;

}  // namespace

MainMenu::MainMenu(QMenuBar* bar, CommandTable& commands) : QObject(bar), bar_(bar), commands_(commands) {
  menuFile_ = addMenu(tr("&File"), "menuFile");
  addCommand(menuFile_, tr("&New"), "mnuNew", QKeySequence::New);
  addCommand(menuFile_, tr("&Open..."), "mnuOpen", QKeySequence::Open);
  addCommand(menuFile_, tr("&Save"), "mnuSave", QKeySequence::Save);
  addCommand(menuFile_, tr("Save &As..."), "mnuSaveAs");
  menuFile_->addSeparator();
  addCommand(menuFile_, tr("Export MIDI..."), "mnuExportMidi");
  addCommand(menuFile_, tr("Export WAV..."), "mnuExportWav");
  menuFile_->addSeparator();
  addCommand(menuFile_, tr("&Print..."), "mnuPrint", QKeySequence::Print);
  addCommand(menuFile_, tr("Print Pre&view..."), "mnuPrintPreview");
  addCommand(menuFile_, tr("Export PDF..."), "mnuExportPdf");
  menuFile_->addSeparator();
  addCommand(menuFile_, tr("E&xit"), "mnuExit", QKeySequence::Quit);

  // The key, chord-type and scale items are filled in by ChordMenus.
  menuKey_ = addMenu(tr("&Key"), "menuKey");
  menuMajor_ = addMenu(tr("&Major"), "menuMajor");
  menuMajor_->addMenu(tr("More Chords..."))->setObjectName("menuMoreMajor");
  menuMinor_ = addMenu(tr("M&inor"), "menuMinor");
  menuMinor_->addMenu(tr("More Chords..."))->setObjectName("menuMoreMinor");
  menuDominant_ = addMenu(tr("&Dominant"), "menuDominant");
  menuDominant_->addMenu(tr("More Chords..."))->setObjectName("menuMoreDom");
  menuScale_ = addMenu(tr("&Scale"), "menuScale");
  menuScale_->addMenu(tr("More Scales..."))->setObjectName("menuMoreScales");

  menuOptions_ = addMenu(tr("&Options"), "menuOptions");
  addCommand(menuOptions_, tr("Tempo..."), "mnuTempo");
  addCommand(menuOptions_, tr("Speed Trainer..."), "mnuSpeedTrainer");
  QAction* flats = addCommand(menuOptions_, tr("Flats"), "mnuFlatSharp");
  flats->setCheckable(true);
  flats->setChecked(true);
  addCommand(menuOptions_, tr("Flip"), "menuFlip");
  addCommand(menuOptions_, tr("Preferences..."), "Preferences1");
  addCommand(menuOptions_, tr("Interval Calculator..."), "menuIntervalCalc");
  addCommand(menuOptions_, tr("Tuner..."), "mnuTuner");

  menuWindow_ = addMenu(tr("&Window"), "menuWindow");
  menuWindow_->menuAction()->setVisible(false);

  menuHelp_ = addMenu(tr("&Help"), "menuHelp");
  // F1 opens the active page's topic (the shell's help shortcut); this item the contents.
  addCommand(menuHelp_, tr("&Help Topics"), "mnuHelpTopics");
  showTips_ = addCommand(menuHelp_, tr("Show Tips..."), "mnuTips");
  aboutSeparator_ = menuHelp_->addSeparator();
  addCommand(menuHelp_, tr("&About..."), "mnuAbout");
}

QAction* MainMenu::addCommand(QMenu* menu, const QString& caption, const QString& id,
                              const QKeySequence& keys) {
  Command command;
  command.id = id;
  command.caption = caption;
  command.shortcut = keys;
  QAction* action = commands_.add(std::move(command));
  commands_.addTo(menu, {id});
  return action;
}

QMenu* MainMenu::addMenu(const QString& title, const QString& name) {
  QMenu* menu = bar_->addMenu(title);
  menu->setObjectName(name);
  menu->menuAction()->setObjectName(name);
  return menu;
}

void MainMenu::renameNewItem(PageId active) {
  if (active == PageId::Tablature) return;
  const QString caption = active == PageId::Chords        ? tr("&New Chord Page")
                          : active == PageId::PlayPage    ? tr("&New Play Page")
                          : active == PageId::Scales      ? tr("&New Scale Page")
                          : active == PageId::ChordDesign ? tr("&New Design Page")
                                                          : tr("&New Print Page");
  if (QAction* item = action("mnuNew")) item->setText(caption);
}

QAction* MainMenu::action(const QString& objectName) const {
  if (QAction* command = commands_.action(objectName)) return command;
  return bar_->findChild<QAction*>(objectName);
}

QMenu* MainMenu::submenu(const QString& objectName) const {
  return bar_->findChild<QMenu*>(objectName);
}

QList<QAction*> MainMenu::keyItems() const {
  return menuKey_->actions();
}

void MainMenu::addWebSites(const std::vector<WebSite>& sites) {
  if (sites.empty() || webSitesItem_) return;
  const QList<QAction*> items = menuHelp_->actions();
  QAction* before = items.value(items.indexOf(showTips_) + 1);
  menuHelp_->insertSeparator(before);
  auto* sub = new QMenu(tr("Web Sites..."), menuHelp_);
  sub->setObjectName("mnuTabSites");
  webSitesItem_ = menuHelp_->insertMenu(before, sub);
  webSitesItem_->setObjectName("mnuTabSites");
  int k = 1;
  for (const WebSite& site : sites) {
    QAction* item = addCommand(sub, QString::fromStdString(site.caption), QString("mnuWebSite%1").arg(k++));
    const QString address = QString::fromStdString(site.address);
    item->setStatusTip(address);
    commands_.setHandler(item->objectName(), [this, address] { Q_EMIT openRequested(address); });
  }
}

void MainMenu::addTutorials(const QList<TutorialEntry>& tutorials) {
  if (tutorials.isEmpty()) return;
  auto* sub = new QMenu(tr("Tutorials..."), menuHelp_);
  sub->setObjectName("mnuTutorials");
  QAction* before = aboutSeparator_;
  if (webSitesItem_) {
    const QList<QAction*> items = menuHelp_->actions();
    before = items.value(items.indexOf(webSitesItem_) + 1);
  }
  menuHelp_->insertMenu(before, sub)->setObjectName("mnuTutorials");
  for (int n = 0; n < tutorials.size() && n < kMaxTutorials; ++n) {
    QAction* item = addCommand(sub, tutorials[n].caption, QString("mnuTutorial%1").arg(n));
    const QString path = tutorials[n].path;
    item->setStatusTip(path);
    commands_.setHandler(item->objectName(), [this, path] { Q_EMIT openRequested(path); });
  }
}

QList<TutorialEntry> MainMenu::findTutorials(const QString& folder) {
  QList<TutorialEntry> found;
  const QDir dir(folder);
  // Sorted by name so the menu reads alphabetically, whatever order the disk returns.
  const QStringList files = dir.entryList({"*.htm"}, QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
  for (const QString& file : files) {
    if (found.size() == kMaxTutorials) break;
    found << TutorialEntry{QFileInfo(file).completeBaseName(), dir.filePath(file)};
  }
  return found;
}

void MainMenu::setAllEnabled(bool enabled) {
  for (QAction* a : bar_->actions()) a->setEnabled(enabled);
}

}  // namespace strumly::gui
