// The shell's one gate: while Play is down a command that waits is refused however it is asked
// for (its menu item, its key, its button, the guitar's switch) and its item shows disabled; the
// commands that act on what plays, and help, still run, and once Play is up everything runs again.
#include <QAction>
#include <QMenu>
#include <QTest>
#include <QToolButton>

#include "gui/app/MainWindow.h"
#include "gui/app/OptionsWiring.h"
#include "gui/common/Command.h"
#include "gui/common/PageImage.h"
#include "gui/playback/Transport.h"
#include "support/ProgramFixture.h"

using namespace strumly;
using namespace strumly::gui;

class CommandsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void whilePlayingOnlyWhatActsOnThePlayingRuns() {
    ProgramFixture p({.midi = true, .show = false});
    QVERIFY(p.openCOnThePlayPage());
    CommandTable& commands = p.parts->mainWindow().commands();
    const ToolPanel::Buttons& b = p.parts->toolPanel().buttons();
    QAction* preview = p.parts->mainMenu().action("mnuPrintPreview");
    QVERIFY(preview->isEnabled());

    QTest::mouseClick(b.sbtnPlay, Qt::LeftButton);
    QVERIFY(p.parts->transport().playing());
    QVERIFY(!preview->isEnabled());
    QVERIFY(!commands.run("mnuPrintPreview"));  // as its Ctrl key would ask
    QCOMPARE(p.dialogs.previews, 0);
    QTest::mouseClick(b.sbtnStep, Qt::LeftButton);  // a waiting toggle springs back
    QVERIFY(!b.sbtnStep->isChecked());
    QVERIFY(!p.parts->transport().stepMode());
    QVERIFY(!commands.run(OptionsWiring::switchCommandId(int(SwitchAction::NextPage))));
    QCOMPARE(p.parts->pages().currentId(), PageId::PlayPage);

    QVERIFY(commands.run("scHelpPage"));  // F1: the page's help answers while playing
    QCOMPARE(p.dialogs.helpContexts.size(), 1);
    QTest::mouseClick(b.sbtnStop, Qt::LeftButton);
    QVERIFY(!p.parts->transport().playing());

    QVERIFY(preview->isEnabled());
    QVERIFY(commands.run("mnuPrintPreview"));
    QCOMPARE(p.dialogs.previews, 1);
  }

  // The Play page's own table: while busy its popup item, its time signature and its page buttons
  // wait (the toggle springs back, the page shown stays down); then the item acts on the slot.
  void thePlayPageCommandsWaitWhileBusy() {
    ProgramFixture p({.show = false});
    QVERIFY(p.openCOnThePlayPage({1}));
    PlayPage& page = p.parts->playPage();
    const ToolPanel::Buttons& b = p.parts->toolPanel().buttons();
    // Slot (1, 0): x = 20 + 63 + 30, y = 20 + 40.
    QTest::mouseClick(page.imgPlayPage(), Qt::RightButton, {}, QPoint(113, 60));
    page.popmenuPlayPage()->hide();
    {
      const Transport::BusyCursor busy(p.parts->transport());
      QVERIFY(!page.commands().run("pmenu4CutMove"));
      QTest::mouseClick(b.sbtnTime, Qt::LeftButton);
      QVERIFY(!b.sbtnTime->isChecked());
      QTest::mouseClick(b.sbtnPage[2], Qt::LeftButton);
      QVERIFY(b.sbtnPage[0]->isChecked());
    }
    QVERIFY(!page.model().slot(SlotPos{1, 0}).isEmpty());
    QCOMPARE(page.model().timeSignature(), TimeSignature::FourFour);
    QVERIFY(page.commands().run("pmenu4CutMove"));
    QVERIFY(page.model().slot(SlotPos{1, 0}).isEmpty());
    QCOMPARE(page.model().placement(), PlacementCursor::MoveChord);
  }
};

QTEST_MAIN(CommandsTest)
#include "tst_commands.moc"
