// Listening: accuracy over rendered guitar (FluidSynth, the General MIDI nylon and steel
// guitars), clean and with white noise 20 dB below the guitar; latency from a sample's arrival to
// the event; CPU per second of audio. Goals: >= 99 % of notes found within 30 ms with the right
// pitch, >= 95 % of chords with the exact pitch-class set clean and >= 90 % with noise; notes
// reported <= 30 ms and chords <= 120 ms after their onset; listening < 5 % of one core.
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/chords/ChordDictionary.h"
#include "core/chords/ChordTypes.h"
#include "core/listen/ChordListener.h"
#include "core/listen/NoteListener.h"
#include "platform/midi/SoundFontLocator.h"
#include "support/RenderedGuitar.h"

using namespace strumly;
using namespace strumly::testing;

namespace {

constexpr int kRate = 44100;
constexpr std::size_t kBlock = 441;  // 10 ms, as the audio input delivers

double cpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

struct Timed {
  std::int64_t ms;
  int midi;           // notes
  std::uint16_t set;  // chords
  double reportedMs;  // when the block that returned it ended
};

template <typename Listener>
std::vector<Timed> run(Listener& listener, const std::vector<float>& mono, double& cpu) {
  std::vector<Timed> out;
  const double start = cpuSeconds();
  for (std::size_t i = 0; i < mono.size(); i += kBlock) {
    const std::size_t n = std::min(kBlock, mono.size() - i);
    const double endMs = static_cast<double>(i + n) * 1000.0 / kRate;
    for (const auto& e : listener.feed(mono.data() + i, n)) {
      if constexpr (std::is_same_v<std::decay_t<decltype(e)>, HeardNote>)
        out.push_back({e.ms, e.midi, 0, endMs});
      else
        out.push_back({e.ms, 0, e.pitchClasses, endMs});
    }
  }
  cpu += cpuSeconds() - start;
  return out;
}

struct Score {
  int expected = 0;
  int right = 0;
  int extra = 0;
  std::vector<double> latency;
  void print(const char* what) const {
    std::vector<double> l = latency;
    std::sort(l.begin(), l.end());
    const double median = l.empty() ? 0 : l[l.size() / 2];
    const double worst = l.empty() ? 0 : l.back();
    std::printf(
        "  %-34s %4d/%4d right (%5.1f %%), %3d extra; reported %3.0f ms after the onset (median), %3.0f ms "
        "worst\n",
        what, right, expected, 100.0 * right / std::max(1, expected), extra, median, worst);
  }
};

// A heard event within 30 ms of each expected onset; the right one when its pitch (set) matches.
void judge(const std::vector<Strike>& strikes, const std::vector<Timed>& heard, bool chords, int offsetMs,
           Score& score) {
  std::vector<bool> used(heard.size(), false);
  for (const Strike& s : strikes) {
    ++score.expected;
    std::uint16_t set = 0;
    for (int n : s.notes) set = static_cast<std::uint16_t>(set | (1u << (n % 12)));
    for (std::size_t i = 0; i < heard.size(); ++i) {
      if (used[i] || std::llabs(heard[i].ms - (s.ms + offsetMs)) > 30) continue;
      used[i] = true;
      if (std::getenv("LISTEN_DEBUG") != nullptr &&
          !(chords ? heard[i].set == set : heard[i].midi == s.notes[0]))
        std::printf("    at %d: wanted %d/%03x, heard %d/%03x\n", s.ms, s.notes[0], set, heard[i].midi,
                    heard[i].set);
      if (chords ? heard[i].set == set : heard[i].midi == s.notes[0]) {
        ++score.right;
        score.latency.push_back(heard[i].reportedMs - static_cast<double>(s.ms + offsetMs));
      }
      break;
    }
  }
  score.extra += static_cast<int>(std::count(used.begin(), used.end(), false));
}

std::vector<Strike> singleNotes() {
  std::vector<Strike> s;
  for (int midi = kLowestHeardNote; midi <= kHighestHeardNote; ++midi)
    s.push_back({static_cast<int>(s.size()) * 700, {midi}, 500});
  return s;
}

// Every voicing of a dozen common chord types in three keys, strummed lowest string first.
std::vector<Strike> chordSet() {
  const char* common[] = {"maj", "minor", "7",    "m7",     "maj7", "6",
                          "m6",  "9",     "sus4", "dim(o)", "m7b5", "add9"};
  std::vector<Strike> s;
  const auto types = chordTypeDefinitions();
  for (const char* name : common) {
    int index = 0;
    while (types[static_cast<std::size_t>(index)].name != name) ++index;
    const FamilyType ft = familyTypeOf(index);
    for (PitchClass key : {0, 4, 7}) {
      for (const ChordDiagram& d : LoadChordVoicings(STRUMLY_PROGRAM_DIR, ft.family, ft.type, key)) {
        Strike strike{static_cast<int>(s.size()) * 1300, {}, 1100, 12};
        for (PitchNumber p : d.pitches)
          if (p != 0) strike.notes.push_back(p);
        if (!strike.notes.empty()) s.push_back(strike);
      }
    }
  }
  return s;
}

}  // namespace

int main() {
  const auto soundFont = findSoundFont();
  if (!soundFont) {
    std::fprintf(stderr, "no General MIDI sound font\n");
    return 1;
  }
  OfflineRenderer renderer(*soundFont);
  const std::vector<Strike> notes = singleNotes();
  const std::vector<Strike> chords = chordSet();
  double audioSeconds = 0, noteCpu = 0, chordCpu = 0;
  std::printf("Notes E2..E6 one at a time (%zu), chords (%zu voicings of 12 types in C, E, G):\n",
              notes.size(), chords.size());
  for (int program : {kNylonGuitar, kSteelGuitar}) {
    for (bool noisy : {false, true}) {
      const std::string what =
          std::string(program == kNylonGuitar ? "nylon" : "steel") + (noisy ? ", noise -20 dB" : ", clean");
      // A second of silence (or noise alone) before the first note.
      std::vector<float> n = renderStrikes(renderer, program, notes);
      n.insert(n.begin(), kRate, 0.0f);
      std::vector<float> c = renderStrikes(renderer, program, chords);
      c.insert(c.begin(), kRate, 0.0f);
      if (noisy) addNoise(n, -20.0), addNoise(c, -20.0);
      audioSeconds += static_cast<double>(n.size() + c.size()) / kRate;
      NoteListener noteListener(kRate);
      Score noteScore;
      judge(notes, run(noteListener, n, noteCpu), false, 1000, noteScore);
      noteScore.print(("notes, " + what).c_str());
      ChordListener chordListener(kRate, builtInChordTypes());
      Score chordScore;
      judge(chords, run(chordListener, c, chordCpu), true, 1000, chordScore);
      chordScore.print(("chord sets, " + what).c_str());
    }
  }
  std::printf("  CPU: notes %.2f %% of one core, chords %.2f %% (%.0f s of audio each)\n",
              100.0 * noteCpu / (audioSeconds / 2), 100.0 * chordCpu / (audioSeconds / 2), audioSeconds / 2);
  return 0;
}
