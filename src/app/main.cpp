// Process entry: one copy per user, the splash, the main window and the message loop. This is the
// one place where the real devices are chosen and handed to the windows.
#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QIcon>
#include <QTextStream>

#include "app/CommandLine.h"
#include "app/ExportCommand.h"
#include "app/HearCommand.h"
#include "app/PrintCommand.h"
#include "app/ScoreCommand.h"
#include "gui/app/AppStyle.h"
#include "gui/app/MainWindow.h"
#include "gui/app/Program.h"
#include "gui/app/SingleInstance.h"
#include "gui/app/SplashScreen.h"
#include "gui/app/Translation.h"

using namespace strumly;
using namespace strumly::gui;

namespace {

// The optional file to open: the first argument that is not an option of ours.
QStringList fileArguments(const QStringList& arguments) {
  QStringList files;
  for (int i = 1; i < arguments.size(); ++i)
    if (!arguments[i].startsWith("--")) files << arguments[i];
  return files;
}

// Scripted runs (the end-to-end tests) read what happened from this log.
void logLine(const QString& text) {
  const QString path = qEnvironmentVariable("STRUMLY_TEST_LOG");
  if (path.isEmpty()) return;
  QFile file(path);
  if (file.open(QIODevice::Append | QIODevice::Text)) QTextStream(&file) << text << '\n';
}

}  // namespace

int main(int argc, char** argv) {
  QStringList raw;
  for (int i = 0; i < argc; ++i) raw << QString::fromLocal8Bit(argv[i]);
  if (wantsExport(raw)) {
    // Exports run without a window, and so without a display.
    QCoreApplication core(argc, argv);
    return runExport(QCoreApplication::arguments());
  }
  if (wantsHear(raw)) {
    // The listeners read a file and print what they heard: no window, no display, no device.
    QCoreApplication core(argc, argv);
    return runHear(QCoreApplication::arguments());
  }
  if (wantsScore(raw)) {
    // Scoring reads a song and a take and prints the verdicts: no window, no device.
    QCoreApplication core(argc, argv);
    return runScore(QCoreApplication::arguments());
  }
  if (wantsPrintPdf(raw)) {
    // The sheets are drawn as the pages draw them, but never shown: no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication painter(argc, argv);
    return runPrintPdf(QApplication::arguments());
  }
  // --help, --version and unknown options answer on the terminal and never open the window.
  if (const std::optional<int> answered = answerInfoOptions(raw)) return *answered;
  QApplication app(argc, argv);
  QApplication::setApplicationName("Strumly");
  installTranslators(app);
  // No display name: the window captions already begin with "Strumly!", and Qt would append it
  // to every one of them again.
  QGuiApplication::setDesktopFileName("strumly");
  QApplication::setWindowIcon(QIcon(":/images/STRUMLY.png"));
  const QStringList files = fileArguments(QApplication::arguments());

  SingleInstance instance(SingleInstance::defaultServerName() +
                          qEnvironmentVariable("STRUMLY_INSTANCE_SUFFIX"));
  if (!instance.claim(files.value(0))) {
    logLine("handed over: " + files.value(0));
    return 0;
  }
  applyAppStyle(app);

  // From here on a later start's file is taken and kept, even while the splash waits; the window
  // opens the kept files once it is up.
  if (TfrmSplashScreen::wanted(QApplication::arguments())) {
    TfrmSplashScreen splash;
    logLine("splash shown");
    splash.showFor(3000);
  }

  Program program(ProgramFolder::forThisProgram(), files);
  TfrmMain& frmMain = program.mainWindow();
  QObject::connect(&instance, &SingleInstance::activationRequested, &frmMain, &TfrmMain::handOverReceived);
  QObject::connect(&frmMain, &TfrmMain::handedFileProcessed, [](const QString& file, bool opened) {
    logLine(QString("received: %1 opened=%2").arg(file).arg(opened ? 1 : 0));
  });
  frmMain.show();
  logLine("main window shown");
  instance.startDelivering();
  return app.exec();
}
