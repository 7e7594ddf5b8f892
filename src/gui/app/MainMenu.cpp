#include "gui/app/MainMenu.h"

#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "gui/common/NoteSpelling.h"

namespace strumly::gui {
namespace {

constexpr int kMaxTutorials = 26;
const char* const kKeyItemNames[12] = {"mnuC",  "mnuDb", "mnuD",  "mnuEb", "mnuE",  "mnuF",
                                       "mnuGb", "mnuG",  "mnuAb", "mnuA",  "mnuBb", "mnuB"};

}  // namespace

MainMenu::MainMenu(QMenuBar* bar, NoteSpelling& spelling) : QObject(bar), bar_(bar), spelling_(spelling) {
  menuFile_ = addMenu("&File", "menuFile");
  addItem(menuFile_, "&New", "mnuNew")->setShortcut(QKeySequence::New);
  addItem(menuFile_, "&Open...", "mnuOpen")->setShortcut(QKeySequence::Open);
  addItem(menuFile_, "&Save", "mnuSave")->setShortcut(QKeySequence::Save);
  addItem(menuFile_, "Save &As...", "mnuSaveAs");
  menuFile_->addSeparator();
  addItem(menuFile_, "Export MIDI...", "mnuExportMidi");
  addItem(menuFile_, "Export WAV...", "mnuExportWav");
  menuFile_->addSeparator();
  addItem(menuFile_, "&Print...", "mnuPrint")->setShortcut(QKeySequence::Print);
  addItem(menuFile_, "Print Pre&view...", "mnuPrintPreview");
  addItem(menuFile_, "Export PDF...", "mnuExportPdf");
  menuFile_->addSeparator();
  addItem(menuFile_, "E&xit", "mnuExit")->setShortcut(QKeySequence::Quit);

  menuKey_ = addMenu("&Key", "menuKey");
  for (const char* name : kKeyItemNames) keyItems_ << addItem(menuKey_, QString(), name);
  renameKeys();
  connect(&spelling_, &NoteSpelling::changed, this, &MainMenu::renameKeys);

  // The chord-type and scale items are filled in by the Chords and Scales pages.
  menuMajor_ = addMenu("&Major", "menuMajor");
  menuMajor_->addMenu("More Chords...")->setObjectName("menuMoreMajor");
  menuMinor_ = addMenu("M&inor", "menuMinor");
  menuMinor_->addMenu("More Chords...")->setObjectName("menuMoreMinor");
  menuDominant_ = addMenu("&Dominant", "menuDominant");
  menuDominant_->addMenu("More Chords...")->setObjectName("menuMoreDom");
  menuScale_ = addMenu("&Scale", "menuScale");
  menuScale_->addMenu("More Scales...")->setObjectName("menuMoreScales");

  menuOptions_ = addMenu("&Options", "menuOptions");
  addItem(menuOptions_, "Tempo...", "mnuTempo");
  addItem(menuOptions_, "Speed Trainer...", "mnuSpeedTrainer");
  QAction* flats = addItem(menuOptions_, "Flats", "mnuFlatSharp");
  flats->setCheckable(true);
  flats->setChecked(true);
  addItem(menuOptions_, "Flip", "menuFlip");
  addItem(menuOptions_, "Preferences...", "Preferences1");
  addItem(menuOptions_, "Interval Calculator...", "menuIntervalCalc");
  addItem(menuOptions_, "Tuner...", "mnuTuner");

  menuWindow_ = addMenu("&Window", "menuWindow");
  menuWindow_->menuAction()->setVisible(false);

  menuHelp_ = addMenu("&Help", "menuHelp");
  // F1 opens the active page's topic (the shell's help shortcut); this item the contents.
  addItem(menuHelp_, "&Help Topics", "mnuHelpTopics");
  showTips_ = addItem(menuHelp_, "Show Tips...", "mnuTips");
  aboutSeparator_ = menuHelp_->addSeparator();
  addItem(menuHelp_, "&About...", "mnuAbout");
}

QMenu* MainMenu::addMenu(const QString& title, const QString& name) {
  QMenu* menu = bar_->addMenu(title);
  menu->setObjectName(name);
  menu->menuAction()->setObjectName(name);
  return menu;
}

QAction* MainMenu::addItem(QMenu* menu, const QString& caption, const QString& name) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(name);
  return action;
}

void MainMenu::renameNewItem(PageId active) {
  if (active == PageId::Tablature) return;
  const char* caption = active == PageId::Chords        ? "&New Chord Page"
                        : active == PageId::PlayPage    ? "&New Play Page"
                        : active == PageId::Scales      ? "&New Scale Page"
                        : active == PageId::ChordDesign ? "&New Design Page"
                                                        : "&New Print Page";
  if (QAction* item = action("mnuNew")) item->setText(caption);
}

QAction* MainMenu::action(const QString& objectName) const {
  return bar_->findChild<QAction*>(objectName);
}

QMenu* MainMenu::submenu(const QString& objectName) const {
  return bar_->findChild<QMenu*>(objectName);
}

void MainMenu::renameKeys() {
  for (int n = 0; n < keyItems_.size(); ++n) keyItems_[n]->setText(spelling_.name(n));
}

void MainMenu::addWebSites(const std::vector<WebSite>& sites) {
  if (sites.empty() || webSitesItem_) return;
  const QList<QAction*> items = menuHelp_->actions();
  QAction* before = items.value(items.indexOf(showTips_) + 1);
  menuHelp_->insertSeparator(before);
  auto* sub = new QMenu("Web Sites...", menuHelp_);
  sub->setObjectName("mnuTabSites");
  webSitesItem_ = menuHelp_->insertMenu(before, sub);
  webSitesItem_->setObjectName("mnuTabSites");
  int k = 1;
  for (const WebSite& site : sites) {
    QAction* item = addItem(sub, QString::fromStdString(site.caption), QString("mnuWebSite%1").arg(k++));
    const QString address = QString::fromStdString(site.address);
    item->setStatusTip(address);
    connect(item, &QAction::triggered, this, [this, address] { Q_EMIT openRequested(address); });
  }
}

void MainMenu::addTutorials(const QList<TutorialEntry>& tutorials) {
  if (tutorials.isEmpty()) return;
  auto* sub = new QMenu("Tutorials...", menuHelp_);
  sub->setObjectName("mnuTutorials");
  QAction* before = aboutSeparator_;
  if (webSitesItem_) {
    const QList<QAction*> items = menuHelp_->actions();
    before = items.value(items.indexOf(webSitesItem_) + 1);
  }
  menuHelp_->insertMenu(before, sub)->setObjectName("mnuTutorials");
  for (int n = 0; n < tutorials.size() && n < kMaxTutorials; ++n) {
    QAction* item = addItem(sub, tutorials[n].caption, QString("mnuTutorial%1").arg(n));
    const QString path = tutorials[n].path;
    item->setStatusTip(path);
    connect(item, &QAction::triggered, this, [this, path] { Q_EMIT openRequested(path); });
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
