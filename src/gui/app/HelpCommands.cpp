#include "gui/app/HelpCommands.h"

#include <QAction>
#include <QShortcut>
#include <QTimer>

#include "core/app/HelpRouting.h"
#include "gui/app/MainMenu.h"
#include "gui/app/MainWindow.h"
#include "gui/common/DialogService.h"
#include "gui/common/PageList.h"
#include "gui/help/AboutBox.h"
#include "platform/midi/SoundFontLocator.h"

namespace strumly::gui {

TipFile tipFileOf(const ProgramFolder& folder) {
  return TipFile((folder.dataFolder + "tip.kvt").toStdString(),
                 (folder.userFolder + "tip.kvt").toStdString());
}

void connectHelpCommands(MainMenu& menu, TfrmMain& window, PageList& pages, DialogService& dialogs,
                         const ProgramFolder& folder) {
  TfrmMain* w = &window;
  DialogService* d = &dialogs;
  QObject::connect(menu.action("mnuHelpTopics"), &QAction::triggered, w,
                   [w, d] { d->help(w, help::kContents); });
  auto* f1 = new QShortcut(QKeySequence::HelpContents, w);
  f1->setObjectName("scHelpPage");
  QObject::connect(f1, &QShortcut::activated, w,
                   [w, d, &pages] { d->help(w, helpContextOf(pages.currentId().value_or(PageId::Chords))); });
  QObject::connect(menu.action("mnuTips"), &QAction::triggered, w, [w, d, folder] {
    const TipFile tips = tipFileOf(folder);
    d->tipOfTheDay(w, tips);
  });
  const QString licences = folder.dataFolder + "licences";
  QObject::connect(menu.action("mnuAbout"), &QAction::triggered, w, [w, d, licences] {
    const QString soundFont = QString::fromStdString(findSoundFont().value_or(std::string()));
    auto* box = new TfrmAboutBox(*d, licences, soundFont, w);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
  });
}

void showTipsAtStart(TfrmMain& window, DialogService& dialogs, const ProgramFolder& folder) {
  if (!tipFileOf(folder).showOnStart()) return;
  TfrmMain* w = &window;
  DialogService* d = &dialogs;
  QTimer::singleShot(0, w, [w, d, folder] {
    const TipFile tips = tipFileOf(folder);
    d->tipOfTheDay(w, tips);
  });
}

}  // namespace strumly::gui
