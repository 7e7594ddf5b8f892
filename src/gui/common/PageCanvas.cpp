#include "gui/common/PageCanvas.h"

#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

namespace strumly::gui {

QScrollArea* addPageCanvas(QWidget* page, const QString& scrollName, const QString& emptyText) {
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* scroll = new QScrollArea(page);
  scroll->setObjectName(scrollName);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  auto* canvas = new QLabel(emptyText, scroll);
  canvas->setObjectName(scrollName + "Canvas");
  canvas->setAlignment(Qt::AlignCenter);
  canvas->setProperty("pageCanvas", true);
  scroll->setWidget(canvas);
  layout->addWidget(scroll);
  return scroll;
}

}  // namespace strumly::gui
