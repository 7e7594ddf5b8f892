// The threaded timer: waits on its own thread, runs its event on the interface thread, and
// restarts its wait only when a property really changes.
#include <QElapsedTimer>
#include <QTest>
#include <QThread>
#include <memory>
#include <vector>

#include "gui/controls/ThreadedTimer.h"

using strumly::gui::ThreadedTimer;
using strumly::gui::ThreadPriority;

class TestThreadedTimer : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void defaultsAreThoseOfTheComponent() {
    ThreadedTimer timer;
    QCOMPARE(timer.enabled(), true);
    QCOMPARE(timer.interval(), std::uint16_t{1000});
    QVERIFY(timer.threadPriority() == ThreadPriority::tpNormal);
    QVERIFY(!timer.onTimer());
  }

  void eventRunsOnTheInterfaceThreadWithTheTimerAsSender() {
    ThreadedTimer timer;
    timer.setInterval(10);
    QThread* seenThread = nullptr;
    QObject* seenSender = nullptr;
    int ticks = 0;
    timer.setOnTimer([&](QObject* sender) {
      seenThread = QThread::currentThread();
      seenSender = sender;
      ++ticks;
    });
    QTRY_VERIFY_WITH_TIMEOUT(ticks >= 3, 5000);
    QCOMPARE(seenThread, QThread::currentThread());
    QCOMPARE(seenSender, &timer);
  }

  void staysSuspendedWithZeroIntervalOrWithoutHandlerOrDisabled() {
    int ticks = 0;
    auto handler = [&](QObject*) { ++ticks; };
    {
      ThreadedTimer timer;
      timer.setInterval(0);
      timer.setOnTimer(handler);
      QTest::qWait(150);
      QCOMPARE(ticks, 0);
    }
    {
      ThreadedTimer timer;
      timer.setInterval(5);
      QTest::qWait(100);  // no handler yet
      timer.setEnabled(false);
      timer.setOnTimer(handler);
      QTest::qWait(100);
      QCOMPARE(ticks, 0);
      timer.setEnabled(true);
      QTRY_VERIFY_WITH_TIMEOUT(ticks > 0, 5000);
    }
  }

  void settingTheSameEnabledValueDoesNotRestartTheWait() {
    ThreadedTimer timer;
    timer.setInterval(400);
    QElapsedTimer clock;
    qint64 firstTick = -1;
    timer.setOnTimer([&](QObject*) {
      if (firstTick < 0) firstTick = clock.elapsed();
    });
    clock.start();
    QTest::qWait(250);
    timer.setEnabled(true);  // unchanged
    timer.setInterval(400);  // unchanged
    QTRY_VERIFY_WITH_TIMEOUT(firstTick >= 0, 5000);
    // A restart would put the first event at 650 ms or later.
    QVERIFY2(firstTick < 640, qPrintable(QString::number(firstTick)));
  }

  void aChangedIntervalStartsAFreshWait() {
    ThreadedTimer timer;
    timer.setInterval(300);
    QElapsedTimer clock;
    qint64 firstTick = -1;
    timer.setOnTimer([&](QObject*) {
      if (firstTick < 0) firstTick = clock.elapsed();
    });
    clock.start();
    QTest::qWait(200);
    timer.setInterval(301);
    QTRY_VERIFY_WITH_TIMEOUT(firstTick >= 0, 5000);
    QVERIFY2(firstTick >= 500, qPrintable(QString::number(firstTick)));
  }

  void aSlowHandlerDelaysTheNextEventAndEventsNeverOverlapOrPileUp() {
    ThreadedTimer timer;
    timer.setInterval(20);
    QElapsedTimer clock;
    std::vector<qint64> starts;
    int running = 0;
    bool overlapped = false;
    timer.setOnTimer([&](QObject*) {
      overlapped = overlapped || running > 0;
      ++running;
      starts.push_back(clock.elapsed());
      QThread::msleep(100);  // five intervals long
      --running;
    });
    clock.start();
    QTRY_VERIFY_WITH_TIMEOUT(starts.size() >= 4, 5000);
    timer.setEnabled(false);
    QVERIFY(!overlapped);
    for (std::size_t i = 1; i < starts.size(); ++i) {
      // The period is the handler's 100 ms plus the 20 ms interval; queued-up ticks would come
      // back to back.
      QVERIFY2(starts[i] - starts[i - 1] >= 115, qPrintable(QString::number(starts[i] - starts[i - 1])));
    }
  }

  void disablingInsideTheHandlerStopsFurtherEvents() {
    ThreadedTimer timer;
    timer.setInterval(5);
    int ticks = 0;
    timer.setOnTimer([&](QObject*) {
      ++ticks;
      timer.setEnabled(false);
    });
    QTRY_VERIFY_WITH_TIMEOUT(ticks == 1, 5000);
    QTest::qWait(100);
    QCOMPARE(ticks, 1);
  }

  void destroyingWhileATickWaitsForTheInterfaceThreadDoesNotHangOrRunIt() {
    int ticks = 0;
    auto timer = std::make_unique<ThreadedTimer>();
    timer->setInterval(1);
    timer->setThreadPriority(ThreadPriority::tpHighest);
    QVERIFY(timer->threadPriority() == ThreadPriority::tpHighest);
    timer->setOnTimer([&](QObject*) { ++ticks; });
    // Keep the interface thread busy so a tick is posted and its thread waits for it.
    QThread::msleep(50);
    timer.reset();
    QTest::qWait(50);
    QCOMPARE(ticks, 0);
  }

  void timeoutSignalFollowsTheHandler() {
    ThreadedTimer timer;
    timer.setInterval(5);
    std::vector<int> order;
    timer.setOnTimer([&](QObject*) { order.push_back(1); });
    connect(&timer, &ThreadedTimer::timeout, this, [&] { order.push_back(2); });
    QTRY_VERIFY_WITH_TIMEOUT(order.size() >= 2, 5000);
    timer.setEnabled(false);
    QCOMPARE(order[0], 1);
    QCOMPARE(order[1], 2);
  }
};

QTEST_MAIN(TestThreadedTimer)
#include "tst_threadedtimer.moc"
