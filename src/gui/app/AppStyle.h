#pragma once
// The program's look: Qt's Fusion style with the light or dark theme the desktop prefers (or
// STRUMLY_THEME=light|dark asks for), the same on every desktop.
class QApplication;

namespace strumly::gui {

void applyAppStyle(QApplication& app);

}  // namespace strumly::gui
