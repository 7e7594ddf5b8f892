#pragma once
// The program's look: Qt's Fusion style with a light palette and a little styling of the tool
// panel, read-outs and page canvases, the same on every desktop.
class QApplication;

namespace strumly::gui {

void applyAppStyle(QApplication& app);

}  // namespace strumly::gui
