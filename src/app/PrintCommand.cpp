#include "app/PrintCommand.h"

#include <cstdio>

#include "app/CommandLine.h"
#include "gui/app/PageFilePrintout.h"
#include "gui/app/ProgramFolder.h"
#include "gui/common/PagePrinter.h"
#include "platform/settings/AppSettingsStore.h"

namespace strumly::gui {
bool wantsPrintPdf(const QStringList& arguments) {
  return arguments.contains("--print-pdf");
}

int runPrintPdf(const QStringList& arguments) {
  const qsizetype at = arguments.indexOf("--print-pdf");
  if (at + 2 >= arguments.size() || arguments[at + 1].startsWith("--") || arguments[at + 2].startsWith("--"))
    return failCommand("usage: strumly --print-pdf PAGEFILE OUT.pdf");
  const QString input = arguments[at + 1];
  const ProgramFolder folder = ProgramFolder::forThisProgram();
  const AppSettings settings =
      AppSettingsStore(IniFile(folder.settingsFile().toStdString()), folder.userFolder.toStdString()).load();
  PagePrintout printout;
  try {
    printout = printoutOfPageFile(input, settings);
  } catch (const PageFileNotPrinted& failure) {
    return failCommand(input.toStdString() + ": " + failure.reason);
  }
  if (printout.isEmpty()) return failCommand(input.toStdString() + ": the page has nothing to print");
  QString error;
  if (!writePrintoutPdf(printout, arguments[at + 2], error)) return failCommand(error.toStdString());
  return 0;
}

}  // namespace strumly::gui
