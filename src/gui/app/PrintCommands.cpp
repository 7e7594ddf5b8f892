#include "gui/app/PrintCommands.h"

#include <QFileInfo>
#include <QWidget>

#include "core/app/AppSettings.h"
#include "gui/common/Command.h"
#include "gui/common/Page.h"
#include "gui/common/PageList.h"
#include "gui/common/PagePrinter.h"

namespace strumly::gui {

PrintCommands::PrintCommands(PageList& pages, CommandTable& commands, DialogService& dialogs,
                             const AppSettings& settings, QWidget* window)
    : QObject(window), pages_(pages), settings_(settings), printer_(new PagePrinter(dialogs, window)) {
  commands.setHandler("sbtnPrintPage", [this] { sbtnPrintPageClick(); });
  commands.setHandler("mnuPrint", [this] { sbtnPrintPageClick(); });
  commands.setHandler("mnuPrintPreview", [this] { mnuPrintPreviewClick(); });
  commands.setHandler("mnuExportPdf", [this] { mnuExportPdfClick(); });
}

void PrintCommands::sbtnPrintPageClick() {
  if (Page* page = pages_.current()) printer_->print(page->printout());
}

void PrintCommands::mnuPrintPreviewClick() {
  if (Page* page = pages_.current()) printer_->preview(page->printout());
}

void PrintCommands::mnuExportPdfClick() {
  Page* page = pages_.current();
  if (!page) return;
  PageDocument* document = page->document();
  const QString name = document ? document->fileName() : QString();
  const QString base = name.isEmpty() ? page->title() : QFileInfo(name).completeBaseName();
  printer_->exportPdf(page->printout(), QString::fromStdString(settings_.folders.print), base);
}

}  // namespace strumly::gui
