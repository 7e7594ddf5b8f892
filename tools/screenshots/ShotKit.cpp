#include "ShotKit.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QThread>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "core/views/FretboardGeometry.h"
#include "support/MenuLookup.h"

namespace strumly::shots {

namespace {

std::map<std::string, ShotWalk>& registry() {
  static std::map<std::string, ShotWalk> walks;
  return walks;
}

}  // namespace

void settle() {
  for (int i = 0; i < 5; ++i) {
    QApplication::processEvents();
    QThread::msleep(20);
  }
}

void trigger(QMenu* menu, const QString& caption) {
  QAction* item = gui::itemNamed(menu, caption);
  if (!item) {
    std::fprintf(stderr, "no menu item %s\n", qPrintable(caption));
    std::exit(1);
  }
  item->trigger();
}

void mouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button) {
  const Qt::MouseButtons buttons = type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
  QMouseEvent event(type, at, widget->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : button,
                    buttons, Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

void press(QWidget* widget, QPoint at, Qt::MouseButton button) {
  mouse(widget, QEvent::MouseMove, at, Qt::NoButton);
  mouse(widget, QEvent::MouseButtonPress, at, button);
  mouse(widget, QEvent::MouseButtonRelease, at, button);
}

QPoint neckPoint(int string, int fret) {
  return {*fretX(Hand::Right, fret) + 6, *stringY(fret, string) + 6};
}

bool save(QWidget& window, const QString& path) {
  settle();
  const bool ok = window.grab().save(path);
  std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
  return ok;
}

RegisterShots::RegisterShots(const char* name, ShotWalk walk) {
  registry()[name] = std::move(walk);
}

void runRegisteredShots(ShotContext& context, bool& ok) {
  for (auto& [name, walk] : registry()) {
    if (!walk(context)) {
      std::fprintf(stderr, "walk %s failed\n", name.c_str());
      ok = false;
    }
  }
}

}  // namespace strumly::shots
