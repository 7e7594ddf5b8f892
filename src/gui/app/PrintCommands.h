#pragma once
// "Print Page", "Print...", "Print Preview..." and "Export PDF...": the active page's printout
// to the printer, the preview or a PDF file. Commands of the shell's table, so refused while
// playing or busy; a page with nothing to print prints nothing.
#include <QObject>

namespace strumly {
struct AppSettings;
}

class QWidget;

namespace strumly::gui {

class CommandTable;
class DialogService;
class PageList;
class PagePrinter;

class PrintCommands : public QObject {
  Q_OBJECT
 public:
  PrintCommands(PageList& pages, CommandTable& commands, DialogService& dialogs, const AppSettings& settings,
                QWidget* window);

  void sbtnPrintPageClick();
  void mnuPrintPreviewClick();
  void mnuExportPdfClick();
  PagePrinter& printer() { return *printer_; }

 private:
  PageList& pages_;
  const AppSettings& settings_;
  PagePrinter* printer_;
};

}  // namespace strumly::gui
