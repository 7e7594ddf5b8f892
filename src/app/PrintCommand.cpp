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
  return runGuarded([&arguments] {
    int status = 0;
    const std::optional<CommandFiles> files = commandFiles(arguments, "--print-pdf", {}, status);
    if (!files) return status;
    const QString input = QString::fromStdString(files->input);
    const ProgramFolder folder = ProgramFolder::forThisProgram();
    const AppSettings settings =
        AppSettingsStore(IniFile(folder.settingsFile().toStdString()), folder.documentFolder.toStdString())
            .load();
    PagePrintout printout;
    try {
      printout = printoutOfPageFile(input, settings);
    } catch (const PageFileNotPrinted& failure) {
      return failCommand(inputFailure(files->input, failure.reason));
    }
    if (printout.isEmpty()) return failCommand(files->input + ": the page has nothing to print.");
    QString error;
    if (!writePrintoutPdf(printout, QString::fromStdString(files->output), error))
      return failCommand(error.toStdString());
    return 0;
  });
}

}  // namespace strumly::gui
