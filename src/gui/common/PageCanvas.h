#pragma once
// The scrolling white canvas every page shows its drawing on, named after the page's scroll
// area ("scrollPlayPage", ...), for pages whose drawing arrives later to fill.
#include <QString>

class QScrollArea;
class QWidget;

namespace strumly::gui {

QScrollArea* addPageCanvas(QWidget* page, const QString& scrollName, const QString& emptyText);

}  // namespace strumly::gui
