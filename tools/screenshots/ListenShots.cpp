// Listen on the pages, hearing guitar rendered by the program's own synth through the same fake
// input the tests use:
//   listen-chord-missing.png  E m7 on the Chords page strummed without one of its notes
//   listen-scale-half.png     the selected scale position with its first half played
//   tuner.png                 the tuner reading the A string, plucked and still ringing
#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <algorithm>

#include "ShotKit.h"
#include "core/theory/Pitch.h"
#include "gui/app/ListenOnPages.h"
#include "gui/app/ListenWiring.h"
#include "gui/app/MainMenu.h"
#include "gui/app/MainWindow.h"
#include "gui/app/ProgramParts.h"
#include "gui/app/ToolPanel.h"
#include "gui/controls/THemisphereButton.h"
#include "gui/listen/ListenOverlays.h"
#include "gui/tuner/TdlgTuner.h"
#include "platform/midi/SoundFontLocator.h"
#include "support/FakeAudioInput.h"
#include "support/RenderedGuitar.h"

using namespace strumly;
using namespace strumly::gui;
using namespace strumly::shots;

namespace {

// The listener's events reach the page through the event loop.
void hearOut() {
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < 300) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  settle();
}

std::vector<float> rendered(const std::vector<testing::Strike>& strikes) {
  const auto soundFont = findSoundFont();
  if (!soundFont) return {};
  OfflineRenderer renderer(*soundFont);
  return testing::renderStrikes(renderer, testing::kNylonGuitar, strikes);
}

void toggleListen(ProgramParts& parts) {
  THemisphereButton* button = parts.listen().pages().button();
  press(button, button->rect().center());
  settle();
}

}  // namespace

static RegisterShots reg("80-listen", [](ShotContext& c) {
  if (!c.audio) return false;
  MainMenu& menu = c.parts.mainMenu();
  if (!c.parts.pages().activate(PageId::Chords)) return false;
  menu.keyItems()[4]->trigger();  // E
  trigger(menu.menuMinor(), "m7");
  c.parts.toolPanel().showChordsButton()->click();
  settle();
  // The strum leaves out the chord's one note whose pitch class no other string sounds, highest first.
  std::vector<int> notes;
  for (PitchNumber p : c.parts.holders().chordPageChord.pitches)
    if (p != 0) notes.push_back(p);
  std::sort(notes.begin(), notes.end());
  for (auto it = notes.rbegin(); it != notes.rend(); ++it) {
    const int pc = *it % 12;
    if (std::count_if(notes.begin(), notes.end(), [&](int n) { return n % 12 == pc; }) == 1) {
      notes.erase(std::next(it).base());
      break;
    }
  }
  const std::vector<float> strum = rendered({{300, notes, 1100, 12}});
  if (strum.empty()) return false;
  toggleListen(c.parts);
  c.audio->play(strum);
  hearOut();
  bool ok = save(c.parts.mainWindow(), c.out + "listen-chord-missing.png");
  toggleListen(c.parts);

  // The scale position the scales walk selected: its first half played, one note every 300 ms.
  if (!c.parts.pages().activate(PageId::Scales)) return false;
  settle();
  toggleListen(c.parts);
  const auto& marks = c.parts.listen().pages().neckMarks().marks();
  std::vector<testing::Strike> played;
  for (std::size_t i = 0; i < marks.size() / 2; ++i) {
    const int midi = kStandardTuning[static_cast<std::size_t>(marks[i].string)] + marks[i].fret;
    played.push_back({300 + static_cast<int>(i) * 300, {midi}, 400});
  }
  c.audio->play(rendered(played));
  hearOut();
  ok = save(c.parts.mainWindow(), c.out + "listen-scale-half.png") && ok;
  toggleListen(c.parts);

  // The tuner, fed the first 800 ms of a plucked open A string, so it reads the string ringing.
  trigger(menu.menuOptions(), "Tuner...");
  settle();
  TdlgTuner* tuner = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* t = qobject_cast<TdlgTuner*>(w); t && t->isVisible()) tuner = t;
  if (!tuner) return false;
  std::vector<float> pluck = rendered({{0, {45}, 2000}});
  pluck.resize(std::min<std::size_t>(pluck.size(), 44100 * 8 / 10));
  c.audio->play(pluck);
  hearOut();
  ok = save(*tuner, c.out + "tuner.png") && ok;
  tuner->close();
  return ok;
});
