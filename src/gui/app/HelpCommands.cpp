#include "gui/app/HelpCommands.h"

#include <QAction>
#include <QShortcut>
#include <QTimer>

#include "core/app/HelpRouting.h"
#include "gui/app/MainMenu.h"
#include "gui/app/MainWindow.h"
#include "gui/common/Command.h"
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
  CommandTable& commands = menu.commands();
  commands.setHandler("mnuHelpTopics", [w, d] { d->help(w, help::kContents); });
  // The active page's topic answers while something plays too: reading costs the music nothing.
  Command pageHelp;
  pageHelp.id = "scHelpPage";
  pageHelp.caption = QCoreApplication::translate("HelpCommands", "Help on This Page");
  pageHelp.refusedWhileBusy = false;
  pageHelp.handler = [w, d, &pages] {
    d->help(w, helpContextOf(pages.currentId().value_or(PageId::Chords)));
  };
  commands.add(std::move(pageHelp));
  auto* f1 = new QShortcut(QKeySequence::HelpContents, w);
  f1->setObjectName("scHelpPage");
  QObject::connect(f1, &QShortcut::activated, &commands, [&commands] { commands.run("scHelpPage"); });
  commands.setHandler("mnuTips", [w, d, folder] {
    const TipFile tips = tipFileOf(folder);
    d->tipOfTheDay(w, tips);
  });
  const QString licences = folder.dataFolder + "licences";
  commands.setHandler("mnuAbout", [w, d, licences] {
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
