// german.png  the main window as a German desktop starts it: E m7 shown on the Chords page and
//             the File menu open
// Widgets take their texts when they are made, so this walk builds a program of its own after the
// German texts are installed, and takes them away again when it is done. It runs last.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTranslator>
#include <cstdio>

#include "ShotKit.h"
#include "gui/app/MainMenu.h"
#include "gui/app/MainWindow.h"
#include "gui/app/ProgramFolder.h"
#include "gui/app/ProgramParts.h"
#include "gui/app/ToolPanel.h"
#include "gui/app/Translation.h"
#include "gui/chords/ChordsPage.h"
#include "gui/common/PageImage.h"
#include "gui/common/ScriptedDialogService.h"
#include "platform/audio/PcmPlayer.h"

using namespace strumly;
using namespace strumly::gui;
using namespace strumly::shots;

namespace {

void removeTranslators() {
  for (QTranslator* t : qApp->findChildren<QTranslator*>()) {
    QCoreApplication::removeTranslator(t);
    delete t;
  }
}

// A popup menu is a window of its own, which grab() of the main window leaves out: it is drawn
// over the window's picture where it stands on the screen.
bool saveWithMenu(QWidget& window, QMenu& menu, const QString& path) {
  settle();
  QPixmap shot = window.grab();
  {
    QPainter painter(&shot);
    painter.drawPixmap(window.mapFromGlobal(menu.pos()), menu.grab());
  }
  const bool ok = shot.save(path);
  std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
  return ok;
}

}  // namespace

static RegisterShots reg("99-german", [](ShotContext& c) {
  if (installTranslators(*qApp, QLocale(QLocale::German, QLocale::Germany)) != QLocale::German) return false;
  bool ok = false;
  {
    QTemporaryDir scratch;
    ProgramFolder folder = ProgramFolder::forThisProgram();
    folder.userFolder = folder.documentFolder = folder.workFolder = scratch.path() + "/";
    QFile::copy(folder.dataFolder + "Kv.ini", folder.settingsFile());
    PcmPlayer player("strumly-no-such-device");
    ProgramParts parts({c.dialogs, player}, folder);
    parts.start();
    TfrmMain& window = parts.mainWindow();
    window.resize(1024, 768);
    window.show();
    settle();

    MainMenu& menu = parts.mainMenu();
    menu.keyItems()[4]->trigger();
    trigger(menu.menuMinor(), "m7");
    parts.toolPanel().showChordsButton()->click();
    press(parts.chordsPage().imgChordPage(), QPoint(20 + 2 * 120 + 50, 30 + 60));

    // The File menu opened from its title, as a click on the menu bar opens it.
    QMenuBar* bar = window.menuBar();
    QMenu* file = menu.menuFile();
    bar->setActiveAction(file->menuAction());
    settle();
    ok = file->isVisible() && saveWithMenu(window, *file, c.out + "german.png");
    file->hide();
    window.hide();
    settle();
  }
  removeTranslators();
  return ok;
});
