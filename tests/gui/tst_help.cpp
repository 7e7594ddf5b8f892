// Help, tips and the about box as the user meets them: F1 and the Help menu reach the help at
// the right topic, every topic the program names has its page, the tip window turns the tips and
// tells when it cannot keep the choice.
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include "core/app/HelpRouting.h"
#include "gui/app/MainMenu.h"
#include "gui/app/MainWindow.h"
#include "gui/app/ProgramParts.h"
#include "gui/common/PageList.h"
#include "gui/common/ScriptedDialogService.h"
#include "gui/help/AboutBox.h"
#include "gui/help/HelpWindow.h"
#include "gui/help/TipWindow.h"
#include "platform/audio/PcmPlayer.h"
#include "support/MenuLookup.h"

using namespace strumly;
using namespace strumly::gui;

class HelpTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;

  QString write(const QString& name, const QByteArray& text) {
    QFile f(dir_.filePath(name));
    if (!f.open(QIODevice::WriteOnly)) return {};
    f.write(text);
    return f.fileName();
  }
  QByteArray read(const QString& name) {
    QFile f(dir_.filePath(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

 private Q_SLOTS:
  void theTipWindowTurnsTheTipsAndKeepsTheChoice() {
    const QByteArray longTip = "C" + QByteArray(" and a long tip").repeated(24);
    const TipFile tips(write("shipped.kvt", "True\nA\nB\n" + longTip + "\n").toStdString(),
                       dir_.filePath("user.kvt").toStdString());
    ScriptedDialogService dialogs;
    TTipOfTheDayForm form(tips, dialogs);
    form.show();
    QCOMPARE(form.tipLabel()->text(), QString("A"));
    QVERIFY(form.showOnStartupBox()->isChecked());
    // No border icons: nothing to minimise it by, and one size, so nothing to maximise it to;
    // the longest tip still fits.
    QVERIFY(!(form.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    const QSize size = form.size();
    form.nextButton()->click();
    QCOMPARE(form.tipLabel()->text(), QString("B"));
    form.nextButton()->click();
    QVERIFY(form.tipLabel()->height() >= form.tipLabel()->heightForWidth(form.tipLabel()->width()));
    QCOMPARE(form.size(), size);
    form.nextButton()->click();
    form.nextButton()->click();
    form.okButton()->click();
    QCOMPARE(read("user.kvt"), "True\n" + longTip + "\nA\nB\n");
    QVERIFY(dialogs.notices.isEmpty());
  }

  void aTipFileThatCannotBeWrittenIsToldOnce() {
    const TipFile tips(write("shipped.kvt", "True\nA\n").toStdString(),
                       dir_.filePath("gone/user.kvt").toStdString());
    ScriptedDialogService dialogs;
    TTipOfTheDayForm form(tips, dialogs);
    form.show();
    form.showOnStartupBox()->setChecked(false);
    form.okButton()->click();
    QCOMPARE(dialogs.notices.size(), 1);
    QVERIFY(dialogs.notices.first().contains("gone/user.kvt"));
  }

  void everyHelpContextOpensItsOwnPage() {
    HelpWindow help(QString(STRUMLY_SOURCE_DIR) + "/data/help");
    const QList<int> contexts{200, 201, 202, 203, 204, 205, 400, 410, 500, 600, 700, 800};
    for (int context : contexts) {
      help.go(destinationOf(routeHelpRequest({1, std::uint32_t(context), {}})));
      QVERIFY2(help.currentPage() != "index.html", qPrintable(QString::number(context)));
      QVERIFY(!help.browser()->toPlainText().isEmpty());
    }
    help.go(destinationOf(routeHelpRequest({1, 205, {}})));
    QCOMPARE(help.currentPage(), QString("tablature.html"));
    help.go(destinationOf(routeHelpRequest({1, 12345, {}})));
    QCOMPARE(help.currentPage(), QString("index.html"));
  }

  void f1AndTheHelpMenuAskForTheirTopics() {
    ScriptedDialogService dialogs;
    PcmPlayer player("strumly-no-such-device");
    ProgramFolder folder{QString(STRUMLY_PROGRAM_DIR) + "/", dir_.path() + "/"};
    ProgramParts parts({dialogs, player}, folder);
    parts.start();
    parts.mainWindow().show();
    QVERIFY(QTest::qWaitForWindowExposed(&parts.mainWindow()));
    QVERIFY(parts.pages().activate(PageId::Tablature));
    dialogs.helpContexts.clear();
    QTest::keyClick(&parts.mainWindow(), Qt::Key_F1);
    QCOMPARE(dialogs.helpContexts, QList<int>{205});
    itemNamed(parts.mainMenu().menuHelp(), "&Help Topics")->trigger();
    QCOMPARE(dialogs.helpContexts.last(), help::kContents);
    const int tipsBefore = dialogs.tipWindows;
    itemNamed(parts.mainMenu().menuHelp(), "Show Tips...")->trigger();
    QCOMPARE(dialogs.tipWindows, tipsBefore + 1);
    parts.mainWindow().setAttribute(Qt::WA_DeleteOnClose, false);
  }

  void theAboutBoxCreditsWhatTheProgramRunsOn() {
    ScriptedDialogService dialogs;
    TfrmAboutBox about(dialogs, QString(STRUMLY_SOURCE_DIR) + "/data/licences",
                       "/usr/share/sounds/sf2/FluidR3_GM.sf2");
    QCOMPARE(about.findChild<QLabel*>("lblProductVer")->text(),
             QString("                Strumly! version: 6.6.1"));
    QVERIFY(about.findChild<QLabel*>("lblLibraryVer")->text().contains(qVersion()));
    QVERIFY(about.findChild<QLabel*>("lblCredit")->text().contains("FluidR3 GM"));
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QTest::keyClick(&about, Qt::Key_F1);
    QCOMPARE(dialogs.helpContexts, QList<int>{410});
  }
};

QTEST_MAIN(HelpTest)
#include "tst_help.moc"
