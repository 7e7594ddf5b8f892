// The speed trainer as the user meets it: its dialog from the Options menu keeps its values in
// Kv.ini, and a loop played on a clock stepped by hand shows each pass's tempo in the tempo edit
// until Stop gives the page its own tempo back, leaving the song unmodified.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>

#include "core/playpage/PlayPageModel.h"
#include "gui/app/MainMenu.h"
#include "gui/app/MainWindow.h"
#include "gui/app/ProgramParts.h"
#include "gui/app/ToolPanel.h"
#include "gui/playback/MidiBridge.h"
#include "gui/playback/Transport.h"
#include "gui/playpage/PlayPage.h"
#include "gui/playpage/TdlgSpeedTrainer.h"
#include "platform/settings/AppSettingsStore.h"
#include "support/ProgramFixture.h"
#include "support/SteppedMidiLibrary.h"

using namespace strumly;
using namespace strumly::gui;

class SpeedTrainerTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void theDialogIsKeptAndEachPairOfPassesPlaysFiveBeatsFaster() {
    SteppedMidiLibrary midi({"Synth"});
    ProgramFixture p({.midiSession = &midi.session, .show = false});
    ProgramParts& parts = *p.parts;
    QObject::connect(&midi.bridge, &MidiBridge::midiMessage, &parts.transport(), &Transport::midiMessage);

    parts.mainMenu().action("mnuSpeedTrainer")->trigger();
    auto* dialog = parts.mainWindow().findChild<TdlgSpeedTrainer*>();
    QVERIFY(dialog);
    dialog->findChild<QSpinBox*>("spinStartTempo")->setValue(60);
    dialog->findChild<QSpinBox*>("spinStep")->setValue(5);
    dialog->findChild<QSpinBox*>("spinEveryPasses")->setValue(2);
    dialog->findChild<QSpinBox*>("spinTargetTempo")->setValue(80);
    dialog->findChild<QCheckBox*>("cbUseTrainer")->setChecked(true);
    dialog->findChild<QPushButton*>("btnOK")->click();
    const AppSettings kept =
        AppSettingsStore(IniFile(p.user.filePath("Kv.ini").toStdString()), p.user.path().toStdString() + "/")
            .load();
    QCOMPARE(kept.speedTrainer, (SpeedTrainerSettings{true, 60, 5, 2, 80}));

    // One chord and a loop of the first measure: 4 beats a pass, 4 s at 60 bpm.
    QVERIFY(p.openCOnThePlayPage());
    RepeatMarkers& markers = parts.playPage().model().savedMarkers(TimeSignature::FourFour);
    markers.loopFlag.fill(0);
    markers.loopFlag[0] = 1;
    const ToolPanel::Buttons& b = parts.toolPanel().buttons();
    QTest::mouseClick(b.sbtnLoop, Qt::LeftButton);
    QVERIFY(parts.transport().loop());
    QLineEdit* tempo = parts.toolPanel().tempoEdit();
    QCOMPARE(tempo->text(), QString("100"));

    QTest::mouseClick(b.sbtnPlay, Qt::LeftButton);
    QVERIFY(b.sbtnPlay->isChecked());
    QCOMPARE(tempo->text(), QString("60"));
    // Two passes at 60 bpm take 8 s; the third begins at 65.
    midi.time.advanceBy(7'900'000);
    QTest::qWait(50);
    QCOMPARE(tempo->text(), QString("60"));
    midi.time.advanceBy(200'000);
    QTRY_COMPARE(tempo->text(), QString("65"));

    QTest::mouseClick(b.sbtnStop, Qt::LeftButton);
    QCOMPARE(tempo->text(), QString("100"));
    QCOMPARE(parts.transport().tempoMicros(), 600000u);
    QVERIFY(!parts.playPage().model().isModified());
    QVERIFY(parts.mainWindow().close());
  }
};

QTEST_MAIN(SpeedTrainerTest)
#include "tst_speedtrainer.moc"
