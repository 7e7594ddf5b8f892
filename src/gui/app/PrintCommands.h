#pragma once
// "Print Page", "Print...", "Print Preview..." and "Export PDF...": the active page's printout
// to the printer, the preview or a PDF file. Refused while playing; a page with nothing to print
// prints nothing.
#include <QObject>

namespace strumly {
struct AppSettings;
}

class QWidget;

namespace strumly::gui {

class DialogService;
class PageList;
class PagePrinter;
class Transport;

class PrintCommands : public QObject {
  Q_OBJECT
 public:
  PrintCommands(PageList& pages, const Transport& transport, DialogService& dialogs,
                const AppSettings& settings, QWidget* window);

  void sbtnPrintPageClick();
  void mnuPrintPreviewClick();
  void mnuExportPdfClick();
  PagePrinter& printer() { return *printer_; }

 private:
  bool refused() const;

  PageList& pages_;
  const Transport& transport_;
  const AppSettings& settings_;
  PagePrinter* printer_;
};

}  // namespace strumly::gui
