// The interval calculator on a recording device: the notes a scale and a chord sound, the boxes
// they light, and the note length the speed bar gives.
#include <QComboBox>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "gui/common/ScriptedDialogService.h"
#include "gui/controls/UpDown.h"
#include "gui/intervals/TfrmIntCalc.h"
#include "gui/playback/LibraryMidiSession.h"
#include "gui/playback/MidiBridge.h"
#include "platform/midi/MidiLibrary.h"
#include "platform/midi/RecordingDevices.h"

using namespace strumly;
using namespace strumly::gui;

namespace {

struct Rig {
  std::shared_ptr<MidiRecording> heard;
  MidiLibrary library;
  MidiBridge bridge;
  LibraryMidiSession session{library, bridge};
  MidiSettings settings;
  ScriptedDialogService dialogs;
  TfrmIntCalc calc{&session, settings, STRUMLY_PROGRAM_DIR, dialogs};

  static std::unique_ptr<RecordingDevices> devices(std::shared_ptr<MidiRecording>& heard) {
    auto d = std::make_unique<RecordingDevices>(std::vector<std::string>{"Synth"});
    heard = d->recording();
    return d;
  }
  Rig() : library(devices(heard), std::make_unique<VirtualMidiClock>()) { calc.show(); }

  QToolButton* button(const char* name) { return calc.findChild<QToolButton*>(name); }
  void setRoot(int root) {
    calc.findChild<UpDown*>("UpDown1")->setPosition(root);
    calc.UpDown1Click();
  }
  // Plays the selected entry to its end, one note length per step; the boxes lit at each step.
  QList<QList<int>> playThrough() {
    QTest::mouseClick(button("sbtnPlay"), Qt::LeftButton);
    QList<QList<int>> steps;
    for (int guard = 0; calc.playing() && guard < 20; ++guard) {
      QList<int> lit;
      for (int box = 0; box < 12; ++box)
        if (calc.boxLit(box)) lit << box;
      steps << lit;
      calc.Timer1Timer();
    }
    return steps;
  }
  // Note-ons as (note, velocity), in order.
  QList<QPair<int, int>> notes() const {
    QList<QPair<int, int>> out;
    for (const RecordedMessage& m : heard->messages())
      if (m.immediate && m.dispatch.message.status == 0x90)
        out << qMakePair(int(m.dispatch.message.data1), int(m.dispatch.message.data2));
    return out;
  }
};

}  // namespace

class IntervalCalcTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void aScaleOnDPlaysEachNoteAloneUpToTheOctave() {
    Rig r;
    r.setRoot(2);
    QCOMPARE(r.calc.findChild<QComboBox*>("cbScales")->currentIndex(), 0);  // Ionian: 0 2 4 5 7 9 11 99
    const QList<QList<int>> steps = r.playThrough();
    QCOMPARE(steps, (QList<QList<int>>{{0}, {2}, {4}, {5}, {7}, {9}, {11}, {0}}));
    const QList<QPair<int, int>> expected{{50, 100}, {50, 0}, {52, 100}, {52, 0}, {54, 100}, {54, 0},
                                          {55, 100}, {55, 0}, {57, 100}, {57, 0}, {59, 100}, {59, 0},
                                          {61, 100}, {61, 0}, {62, 100}, {62, 0}};
    QCOMPARE(r.notes(), expected);
    // The guitar voice is chosen first.
    QCOMPARE(int(r.heard->messages().front().dispatch.message.status), 0xC0);
    QCOMPARE(int(r.heard->messages().front().dispatch.message.data1), 25);
    QVERIFY(!r.button("sbtnPlay")->isChecked());
    QVERIFY(r.calc.findChild<UpDown*>("UpDown1")->isEnabled());
  }

  void aMajorChordBuildsUpThenStopsTogether() {
    Rig r;
    QTest::mouseClick(r.button("sbtnChordScale"), Qt::LeftButton);  // chords; entry 0 is the major chord
    QTest::mouseClick(r.button("sbtnPlay"), Qt::LeftButton);
    // Neither Play nor the list can be switched while the chord plays.
    QTest::mouseClick(r.button("sbtnPlay"), Qt::LeftButton);
    QVERIFY(r.button("sbtnPlay")->isChecked());
    QTest::mouseClick(r.button("sbtnChordScale"), Qt::LeftButton);
    QVERIFY(r.button("sbtnChordScale")->isChecked());
    QVERIFY(!r.calc.findChild<UpDown*>("UpDown1")->isEnabled());
    r.calc.Timer1Timer();
    r.calc.Timer1Timer();
    QCOMPARE(r.notes(), (QList<QPair<int, int>>{{48, 100}, {52, 100}, {55, 100}}));
    r.calc.Timer1Timer();  // the last note's length: all three still sound
    QVERIFY(r.calc.boxLit(0) && r.calc.boxLit(4) && r.calc.boxLit(7));
    QCOMPARE(r.notes().size(), 3);
    r.calc.Timer1Timer();
    QCOMPARE(r.notes().mid(3), (QList<QPair<int, int>>{{48, 0}, {52, 0}, {55, 0}}));
    QVERIFY(!r.calc.boxLit(0) && !r.calc.boxLit(4) && !r.calc.boxLit(7));
    QVERIFY(!r.button("sbtnPlay")->isChecked());
  }

  void speedAndSpelling() {
    Rig r;
    QCOMPARE(r.calc.noteLength(), 600);
    r.calc.findChild<QSlider*>("trkbarIntCalc")->setValue(800);
    QTest::mouseClick(r.button("sbtnPlay"), Qt::LeftButton);
    QCOMPARE(r.calc.findChild<QTimer*>("Timer1")->interval(), 300);
    QCOMPARE(r.calc.boxText(1), QString("Db"));
    QTest::mouseClick(r.button("sbtnFlatSharp"), Qt::LeftButton);
    QCOMPARE(r.calc.boxText(1), QString("C#"));
    // Closing mid-note leaves nothing sounding.
    r.calc.close();
    QCOMPARE(r.notes().back(), qMakePair(48, 0));
  }
};

QTEST_MAIN(IntervalCalcTest)
#include "tst_intervalcalc.moc"
