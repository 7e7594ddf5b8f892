// The preferences dialog: OK clamps what it takes over and writes Kv.ini, Cancel and a number
// that is not one change nothing, the foot-switch picture opens the Fretlight tab, and the Input
// part chooses the audio input with its level live.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include "gui/app/MainWindow.h"
#include "gui/app/OptionsWiring.h"
#include "gui/app/ProgramParts.h"
#include "gui/app/ToolPanel.h"
#include "gui/fretlight/FretlightLink.h"
#include "gui/preferences/TdlgCalibrate.h"
#include "gui/preferences/TfrmPreferences.h"
#include "platform/midi/SoundFontLocator.h"
#include "support/ProgramFixture.h"
#include "support/RenderedGuitar.h"

using namespace strumly;
using namespace strumly::gui;

namespace {

struct Program : ProgramFixture {
  Program() : ProgramFixture({.guitar = true, .show = false}) {}
  TfrmPreferences& prefs() { return *parts->options().preferences(); }
  QByteArray kvIni() {
    QFile file(user.filePath("Kv.ini"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
};

}  // namespace

class PreferencesTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void okClampsTheNumbersAndWritesThem() {
    Program p;
    p.prefs().FormShow();
    p.prefs().midiTab().editNote->setText("200");
    p.prefs().generalTab().editCountMeasure->setText("7");
    p.prefs().fretlightTab().trkbarRootFlash->setValue(800);
    QVERIFY(p.prefs().btnApplyClick());
    const AppSettings& s = p.parts->settings();
    QCOMPARE(s.midi.clickNote, 127);
    QCOMPARE(s.countOffMeasures, 4);
    QCOMPARE(s.fretlight.rootSpeed, 250);
    const QByteArray ini = p.kvIni();
    QVERIFY(ini.contains("Note=127"));
    QVERIFY(ini.contains("CountOff=4"));
    QVERIFY(ini.contains("RootSpeed=250"));

    p.prefs().FormShow();
    p.prefs().generalTab().editCountMeasure->setText("0");
    p.prefs().fretlightTab().trkbarRootFlash->setValue(250);
    QVERIFY(p.prefs().btnApplyClick());
    QCOMPARE(s.countOffMeasures, 1);
    QCOMPARE(s.fretlight.rootSpeed, 800);
  }

  void cancelAndANonNumberChangeNothing() {
    Program p;
    const AppSettings before = p.parts->settings();
    const QByteArray ini = p.kvIni();
    p.prefs().FormShow();
    p.prefs().generalTab().editCountMeasure->setText("3");
    p.prefs().generalTab().cbSpeechOn->setChecked(!before.speechOn);
    p.prefs().btnCloseClick();
    QCOMPARE(p.parts->settings().countOffMeasures, before.countOffMeasures);
    QCOMPARE(p.kvIni(), ini);

    p.prefs().FormShow();
    p.prefs().generalTab().cbSpeechOn->setChecked(!before.speechOn);
    p.prefs().midiTab().editNote->setText("");
    QVERIFY(!p.prefs().btnApplyClick());
    QCOMPARE(p.dialogs.notices, QStringList{"'' is not a valid integer value"});
    p.prefs().midiTab().editNote->setText("40");
    p.prefs().generalTab().editCountMeasure->setText("two");
    QVERIFY(!p.prefs().btnApplyClick());
    QCOMPARE(p.dialogs.notices.last(), QString("'two' is not a valid integer value"));
    QCOMPARE(p.parts->settings().speechOn, before.speechOn);
    QCOMPARE(p.parts->settings().midi.clickNote, before.midi.clickNote);
    QCOMPARE(p.kvIni(), ini);
  }

  void theFootSwitchPictureOpensTheFretlightTab() {
    Program p;
    p.parts->mainWindow().show();
    p.parts->fretlight().DetectFretlight();
    QTest::mouseClick(p.parts->toolPanel().footSwitchPicture(), Qt::LeftButton);
    QVERIFY(p.prefs().isVisible());
    QCOMPARE(p.prefs().pageControl()->currentIndex(), int(TfrmPreferences::FretlightPage));
    QCOMPARE(p.prefs().fretlightTab().lblFretlightIn->text(), QString("Fretlight Plugged In"));
    QVERIFY(!p.parts->fretlight().footSwitchTimer().enabled());
    p.prefs().btnCloseClick();
    QVERIFY(p.parts->fretlight().footSwitchTimer().enabled());

    // Attached but not ours to open: the tab names the rule that grants access.
    p.port.state->permitted = false;
    p.parts->fretlight().DetectFretlight();
    p.prefs().FormShow(TfrmPreferences::FretlightPage);
    QCOMPARE(p.prefs().fretlightTab().lblFretlightIn->text(), QString("Fretlight Unplugged"));
    QVERIFY(p.prefs().fretlightTab().lblAccess->text().contains("70-strumly-fretlight.rules"));
  }

  void theInputPartChoosesTheAudioInputAndShowsItsLevel() {
    ProgramFixture p({.audio = true, .show = false});
    TfrmPreferences& prefs = *p.parts->options().preferences();
    prefs.FormShow();
    prefs.show();
    QComboBox* box = prefs.midiTab().cmboAudioInput;
    QCOMPARE(box->count(), 2);
    QCOMPARE(box->currentText(), QString("System default (Fake microphone)"));
    QVERIFY(p.audio.isRunning());  // the meter listens while the dialog is open
    box->setCurrentIndex(1);
    prefs.cmboAudioInputChange();
    QCOMPARE(p.audio.startedWith, std::string("fake:line"));
    p.audio.play(std::vector<float>(441, 0.5f));  // half of full scale: -6 dB
    QTRY_COMPARE(prefs.midiTab().pbInputLevel->value(), 54);
    QVERIFY(prefs.btnApplyClick());
    QVERIFY(!p.audio.isRunning());
    QCOMPARE(p.parts->settings().listen.input, std::string("fake:line"));
    QFile ini(p.user.filePath("Kv.ini"));
    QVERIFY(ini.open(QIODevice::ReadOnly));
    QVERIFY(ini.readAll().contains("[Listen]\nInput=fake:line\nReferenceA4=440"));

    // Unplugged since: the choice stays, shown as not connected.
    p.parts->settings().listen.input = "fake:usb";
    prefs.FormShow();
    QCOMPARE(box->currentText(), QString("fake:usb (not connected)"));
    prefs.btnCloseClick();
  }

  // Calibrate...: eight clicks a second apart go to the output once the input has run a second;
  // strums rendered 120 ms after the last four, heard through the fake input, give 120 ms, which
  // Use puts in the latency box and OK keeps in Kv.ini.
  void calibrateMeasuresTheStrumsAfterTheClicks() {
    ProgramFixture p({.midi = true, .audio = true, .show = false});
    TfrmPreferences& prefs = *p.parts->options().preferences();
    prefs.FormShow();
    prefs.show();
    QCOMPARE(prefs.midiTab().spinLatency->value(), 0);
    prefs.midiTab().btnCalibrate->click();
    TdlgCalibrate* dialog = prefs.calibrateDialog();
    QVERIFY(dialog && dialog->isVisible());
    dialog->findChild<QPushButton*>("btnCalibrateStart")->click();
    QVERIFY(dialog->measuring());
    std::vector<testing::Strike> strums;
    for (int k = 4; k < 8; ++k) strums.push_back({1000 + 1000 * k + 120, {40, 47, 52, 56, 59, 64}, 700, 12});
    const auto soundFont = findSoundFont();
    QVERIFY2(soundFont.has_value(), "no General MIDI sound font installed");
    OfflineRenderer renderer(*soundFont);
    std::vector<float> take = testing::renderStrikes(renderer, testing::kSteelGuitar, strums);
    take.resize(10 * 44100, 0.0f);
    p.audio.play(take);
    QTRY_VERIFY(!dialog->measuring());
    QVERIFY2(dialog->measuredMs().has_value(),
             qPrintable(dialog->findChild<QLabel*>("lblCalibrateResult")->text()));
    QVERIFY2(std::abs(*dialog->measuredMs() - 120) <= 15, qPrintable(QString::number(*dialog->measuredMs())));
    int clicks = 0;
    for (const SinkCall& c : p.session.sink.events()) clicks += c.event.status == 0x99 ? 1 : 0;
    QCOMPARE(clicks, 8);
    dialog->findChild<QPushButton*>("btnCalibrateUse")->click();
    QCOMPARE(prefs.midiTab().spinLatency->value(), *dialog->measuredMs());
    QVERIFY(prefs.btnApplyClick());
    QCOMPARE(p.parts->settings().listen.latencyMs, *dialog->measuredMs());
    QFile ini(p.user.filePath("Kv.ini"));
    QVERIFY(ini.open(QIODevice::ReadOnly));
    QVERIFY(ini.readAll().contains(QString("LatencyMs=%1").arg(*dialog->measuredMs()).toUtf8()));
  }

  void withoutAnInputThePartSaysWhy() {
    ProgramFixture p({.show = false});
    TfrmPreferences& prefs = *p.parts->options().preferences();
    prefs.FormShow();
    QVERIFY(!prefs.midiTab().cmboAudioInput->isEnabled());
    QCOMPARE(prefs.midiTab().cmboAudioInput->currentText(), QString("None Found"));
    QCOMPARE(prefs.midiTab().lblAudioInput->text(), QString("No audio input."));
  }
};

QTEST_MAIN(PreferencesTest)
#include "tst_preferences.moc"
