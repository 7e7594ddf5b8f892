#include "app/PrintCommand.h"

#include <cstdio>

#include "gui/app/PageFilePrintout.h"
#include "gui/app/ProgramFolder.h"
#include "gui/common/PagePrinter.h"
#include "platform/settings/AppSettingsStore.h"

namespace strumly::gui {
namespace {

int fail(const std::string& reason) {
  std::fprintf(stderr, "strumly: %s\n", reason.c_str());
  return 1;
}

}  // namespace

bool wantsPrintPdf(const QStringList& arguments) {
  return arguments.contains("--print-pdf");
}

int runPrintPdf(const QStringList& arguments) {
  const qsizetype at = arguments.indexOf("--print-pdf");
  if (at + 2 >= arguments.size() || arguments[at + 1].startsWith("--") || arguments[at + 2].startsWith("--"))
    return fail("usage: strumly --print-pdf PAGEFILE OUT.pdf");
  const QString input = arguments[at + 1];
  const ProgramFolder folder = ProgramFolder::forThisProgram();
  const AppSettings settings =
      AppSettingsStore(IniFile(folder.settingsFile().toStdString()), folder.userFolder.toStdString()).load();
  PagePrintout printout;
  try {
    printout = printoutOfPageFile(input, settings);
  } catch (const PageFileNotPrinted& failure) {
    return fail(input.toStdString() + ": " + failure.reason);
  }
  if (printout.isEmpty()) return fail(input.toStdString() + ": the page has nothing to print");
  QString error;
  if (!writePrintoutPdf(printout, arguments[at + 2], error)) return fail(error.toStdString());
  return 0;
}

}  // namespace strumly::gui
