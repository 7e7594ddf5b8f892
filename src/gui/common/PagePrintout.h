#pragma once
// What "Print Page" prints of the active page: pictures, each scaled onto its own sheet under
// its title line, or lines of text, 56 to a sheet under a heading. An empty printout means the
// page has nothing to print now.
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

namespace strumly::gui {

struct PagePrintout {
  QList<QImage> pictures;  // one sheet each; the selection frame already left out
  QStringList titles;      // the title line of each picture
  QStringList lines;       // text pages (the tablature)
  QString textTitle;       // each text sheet's heading starts with it
  // The sheets the print dialog offers first (1-based): the Play page offers the page whose
  // button is down.
  int firstSheet = 1;
  int lastSheet = 1;

  bool isEmpty() const { return pictures.isEmpty() && lines.isEmpty(); }
  bool isText() const { return pictures.isEmpty() && !lines.isEmpty(); }
  int sheetCount() const;
};

}  // namespace strumly::gui
