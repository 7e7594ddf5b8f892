#pragma once
// Printing a page's printout: the print dialog with its page range, the print preview and the
// PDF export all paint the same sheets. A picture is stretched onto the paper 7.5 inches wide
// from half an inch in and one inch down, under its title line; text prints 56 lines a sheet in
// Courier New 10 under a heading. Spooling runs on a worker thread so the window never waits
// for the printer.
#include <QObject>
#include <QString>
#include <memory>
#include <vector>

#include "core/pages/PageLayout.h"
#include "gui/common/PagePrintout.h"

class QPaintDevice;
class QPrinter;
class QThread;
class QWidget;

namespace strumly::gui {

class DialogService;
class PageImage;

// The four sheets of a play page picture (bands of 792 lines, each set on a white sheet picture
// with room above), titled "Strumly! Play Page (Page n):" + file name; `currentPage` (1..4) is
// offered first.
PagePrintout playPagePrintout(const PageImage& whole, const QString& fileName, int currentPage);

// Text lines as they go onto `paper`: each wrapped to the printable width, a tab block in bands
// with its six strings together (see wrapTabLines). Nothing runs off the paper's edge.
QStringList printedLines(const PagePrintout& printout, const QPaintDevice& paper);
// The sheets a printout fills on `paper` (text sheets grow with the wrapping).
int printedSheetCount(const PagePrintout& printout, const QPaintDevice& paper);

// Paints sheets from..to (1-based, clamped) onto a printer that is ready to print. False with
// `error` set when the printer cannot be painted on.
bool paintPrintout(QPrinter& printer, const PagePrintout& printout, int from, int to, QString& error);
// Writes every sheet as a PDF, through a temporary file so a failed export leaves an old file
// as it was. False with `error` naming the file and the reason.
bool writePrintoutPdf(const PagePrintout& printout, const QString& path, QString& error);

class PagePrinter : public QObject {
  Q_OBJECT
 public:
  PagePrinter(DialogService& dialogs, QWidget* window);
  // Waits for sheets still spooling: a job once accepted is not cut off.
  ~PagePrinter() override;

  // The print dialog; on OK the chosen sheets spool in the background.
  void print(const PagePrintout& printout);
  void preview(const PagePrintout& printout);
  // The save dialog, then the PDF; `baseName` names the suggested file.
  void exportPdf(const PagePrintout& printout, const QString& folder, const QString& baseName);
  bool spooling() const { return !jobs_.empty(); }

 Q_SIGNALS:
  // A background job ended; `error` is empty when every sheet went out.
  void jobFinished(const QString& error);

 private:
  void spool(std::unique_ptr<QPrinter> printer, const PagePrintout& printout, int from, int to);

  DialogService& dialogs_;
  QWidget* window_;
  std::vector<QThread*> jobs_;
};

}  // namespace strumly::gui
