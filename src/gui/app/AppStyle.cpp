#include "gui/app/AppStyle.h"

#include <QApplication>
#include <QStyleHints>

#include "gui/common/Theme.h"

namespace strumly::gui {

void applyAppStyle(QApplication& app) {
  const Theme::Hints hints = Theme::desktopHints();
  Theme(Theme::choose(hints)).apply(app);
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
  // The desktop switched between light and dark while the program runs; a choice of the user's
  // own stays.
  if (!Theme::named(hints.choice))
    QObject::connect(QGuiApplication::styleHints(), &QStyleHints::colorSchemeChanged, &app,
                     [&app] { Theme(Theme::choose(Theme::desktopHints())).apply(app); });
#endif
}

}  // namespace strumly::gui
