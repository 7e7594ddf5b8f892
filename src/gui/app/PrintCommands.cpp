#include "gui/app/PrintCommands.h"

#include <QFileInfo>
#include <QWidget>

#include "core/app/AppSettings.h"
#include "gui/common/Page.h"
#include "gui/common/PageList.h"
#include "gui/common/PagePrinter.h"
#include "gui/playback/Transport.h"

namespace strumly::gui {

PrintCommands::PrintCommands(PageList& pages, const Transport& transport, DialogService& dialogs,
                             const AppSettings& settings, QWidget* window)
    : QObject(window),
      pages_(pages),
      transport_(transport),
      settings_(settings),
      printer_(new PagePrinter(dialogs, window)) {}

bool PrintCommands::refused() const {
  return transport_.IsPlayingOrBusy() || !pages_.current();
}

void PrintCommands::sbtnPrintPageClick() {
  if (!refused()) printer_->print(pages_.current()->printout());
}

void PrintCommands::mnuPrintPreviewClick() {
  if (!refused()) printer_->preview(pages_.current()->printout());
}

void PrintCommands::mnuExportPdfClick() {
  if (refused()) return;
  Page* page = pages_.current();
  PageDocument* document = page->document();
  const QString name = document ? document->fileName() : QString();
  const QString base = name.isEmpty() ? page->title() : QFileInfo(name).completeBaseName();
  printer_->exportPdf(page->printout(), QString::fromStdString(settings_.folders.print), base);
}

}  // namespace strumly::gui
