#pragma once
// What "Print Page" prints of the active page: pictures, each scaled onto its own sheet under
// its title line, or lines of text, 56 to a sheet under a heading. An empty printout means the
// page has nothing to print now.
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

#include "core/pages/PageLayout.h"
#include "gui/common/PageScene.h"

class QPainter;

namespace strumly::gui {

class PageImage;

// One picture to print: a page's painting steps (a band of them for the Play page), painted onto
// the paper as they were onto the screen, so lines stay lines and text stays text.
struct PageSheet {
  QSize size;                              // in page pixels
  std::shared_ptr<const PageScene> scene;  // a copy taken when the printout was made
  QRect band;                              // the part of the page on the sheet; null: all of it
  QPoint at;                               // where the band sits on the sheet
  PixelRect hiddenFrame;                   // the selection frame, painted out

  // Paints the sheet onto a painter set to sheet pixels.
  void paint(QPainter& p) const;
  // The sheet as a picture on white, `ratio` device pixels to a sheet pixel.
  QImage image(qreal ratio = 1.0) const;
  int width() const { return size.width(); }
  int height() const { return size.height(); }
};
// Two sheets are the same when they show the same picture.
bool operator==(const PageSheet& a, const PageSheet& b);

// The whole page as a sheet, its selection frame left out.
PageSheet pageSheet(const PageImage& page);

struct PagePrintout {
  QList<PageSheet> pictures;  // one sheet each; the selection frame left out
  QStringList titles;         // the title line of each picture
  QStringList lines;          // text pages (the tablature)
  QString textTitle;          // each text sheet's heading starts with it
  // The sheets the print dialog offers first (1-based): the Play page offers the page whose
  // button is down.
  int firstSheet = 1;
  int lastSheet = 1;

  bool isEmpty() const { return pictures.isEmpty() && lines.isEmpty(); }
  bool isText() const { return pictures.isEmpty() && !lines.isEmpty(); }
  int sheetCount() const;
};

}  // namespace strumly::gui
