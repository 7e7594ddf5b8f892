// Listening in the program, fed by a fake input: the tuner names the string it hears and
// keeps its A4 in Kv.ini.
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QSpinBox>
#include <QTest>
#include <cmath>
#include <numbers>

#include "gui/app/ListenWiring.h"
#include "gui/app/MainMenu.h"
#include "gui/tuner/TdlgTuner.h"
#include "support/ProgramFixture.h"

using namespace strumly;
using namespace strumly::gui;

namespace {

std::vector<float> sine(double hz, double seconds, int rate = 44100) {
  std::vector<float> s(static_cast<std::size_t>(seconds * rate));
  for (std::size_t i = 0; i < s.size(); ++i)
    s[i] = static_cast<float>(0.3 * std::sin(2 * std::numbers::pi * hz * static_cast<double>(i) / rate));
  return s;
}

}  // namespace

class ListenTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void withoutAnInputTheTunerIsOff() {
    ProgramFixture p({.show = false});
    QAction* item = p.parts->mainMenu().action("mnuTuner");
    QVERIFY(!item->isEnabled());
    QCOMPARE(item->toolTip(), QString("No audio input."));
  }
};

QTEST_MAIN(ListenTest)
#include "tst_listen.moc"
