#pragma once
// Small line-drawn icons for the tool panel, painted at run time so they stay sharp at any
// screen scale and match each other. A picture in resources/images named after the control
// ("SBTNPLAY") is used instead when one is supplied.
#include <QIcon>
#include <QString>

namespace strumly::gui {

// The icon for a tool button by its control name; a null icon when it has none (text is shown).
QIcon toolIcon(const QString& controlName);

}  // namespace strumly::gui
