// Messages from the MIDI clock's thread arrive on the interface thread, in order.
#include <QCoreApplication>
#include <QTest>
#include <QThread>
#include <thread>
#include <vector>

#include "gui/playback/MidiBridge.h"
#include "platform/midi/MidiLibrary.h"
#include "platform/midi/RecordingDevices.h"

using strumly::gui::decodeMidiMessage;
using strumly::gui::MidiBridge;

namespace {

class Receiver : public QObject {
 public:
  struct Got {
    std::uint32_t message;
    std::uint32_t param;
    QThread* thread;
  };
  std::vector<Got> got;

 protected:
  bool event(QEvent* e) override {
    if (auto m = decodeMidiMessage(e)) {
      got.push_back({m->message, m->param, QThread::currentThread()});
      return true;
    }
    return QObject::event(e);
  }
};

}  // namespace

class TestMidiBridge : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void messagesPostedFromAnotherThreadArriveInOrderOnTheTargetsThread() {
    Receiver receiver;
    MidiBridge bridge(&receiver);
    const strumly::MidiPoster post = bridge.poster();
    std::thread clock([&] {
      for (std::uint32_t i = 0; i < 500; ++i) post(0x5452, i);
      post(0x5457, 0);
    });
    clock.join();
    QTRY_COMPARE_WITH_TIMEOUT(receiver.got.size(), std::size_t{501}, 5000);
    for (std::uint32_t i = 0; i < 500; ++i) {
      QCOMPARE(receiver.got[i].param, i);
      QCOMPARE(receiver.got[i].thread, QThread::currentThread());
    }
    QCOMPARE(receiver.got.back().message, 0x5457u);
  }

  void withoutTargetTheBridgeEmitsASignal() {
    MidiBridge bridge;
    std::vector<std::pair<quint32, quint32>> got;
    connect(&bridge, &MidiBridge::midiMessage, this, [&](quint32 m, quint32 p) { got.emplace_back(m, p); });
    bridge.poster()(0x5470, 0x340100);
    QCOMPARE(got.size(), std::size_t{0});  // posted, not called
    QTRY_COMPARE_WITH_TIMEOUT(got.size(), std::size_t{1}, 5000);
    QCOMPARE(got[0].first, 0x5470u);
    QCOMPARE(strumly::markerData1(got[0].second), std::uint8_t{0x34});
    QCOMPARE(strumly::markerData2(got[0].second), std::uint8_t{0x01});
  }

  void otherEventsAreNotDecodedAndAPosterOutlivingItsBridgeDropsMessages() {
    QEvent other(QEvent::User);
    QVERIFY(!decodeMidiMessage(&other).has_value());
    QVERIFY(!decodeMidiMessage(nullptr).has_value());
    Receiver receiver;
    strumly::MidiPoster post;
    {
      MidiBridge bridge(&receiver);
      post = bridge.poster();
      post(0x5452, 1);
      QTRY_COMPARE_WITH_TIMEOUT(receiver.got.size(), std::size_t{1}, 5000);
    }
    // The clock thread may still hold the poster after playback has let the bridge go.
    post(0x5452, 2);
    QCoreApplication::sendPostedEvents();
    QCOMPARE(receiver.got.size(), std::size_t{1});
  }

  void libraryOnARealClockReachesTheInterfaceThread() {
    auto devices = std::make_unique<strumly::RecordingDevices>(std::vector<std::string>{"Synth"});
    strumly::MidiLibrary library(std::move(devices), std::make_unique<strumly::RealMidiClock>());
    Receiver receiver;
    MidiBridge bridge(&receiver);
    const std::uint32_t sync = library.OpenSync(0, bridge.poster(), 0, 10);
    const std::uint32_t out = library.OpenMidiOut(bridge.poster(), 0, sync, 0x13320);
    QVERIFY(sync != 0 && out != 0);
    QVERIFY(library.SetTempo(sync, 48000));  // 100 us per tick
    const strumly::MidiEvent marker{0, 2, 9, 0, 0};
    const strumly::MidiEvent noteOff{480, 0x80, 60, 0, 0};
    QCOMPARE(library.PutMidiOut(out, marker), 0u);
    QCOMPARE(library.PutMidiOut(out, noteOff), 0u);
    QVERIFY(library.StartSync(sync));
    QTRY_VERIFY_WITH_TIMEOUT(!receiver.got.empty() && receiver.got.back().message == 0x5452, 5000);
    QVERIFY(library.StopSync(sync));
    QVERIFY(library.CloseSync(sync));
    QVERIFY(library.CloseMidiOut(out));
    QCOMPARE(receiver.got[0].message, 0x546Fu);
    QCOMPARE(receiver.got[0].param, 0x090000u);
    QCOMPARE(receiver.got[1].message, 0x5457u);
    QCOMPARE(receiver.got[0].thread, QThread::currentThread());
  }
};

QTEST_MAIN(TestMidiBridge)
#include "tst_midibridge.moc"
