// The note and chord listeners on guitar rendered by the program's own synth (the General MIDI
// nylon and steel guitars, effects off): what was rendered is what must be heard.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "core/chords/ChordDictionary.h"
#include "core/chords/ChordTypes.h"
#include "core/listen/ChordListener.h"
#include "core/listen/NoteListener.h"
#include "platform/midi/SoundFontLocator.h"
#include "support/RenderedGuitar.h"

namespace strumly {
namespace {

constexpr int kRate = 44100;

// A fresh synth for each rendering: nothing of the last one rings on.
std::vector<float> render(int program, const std::vector<testing::Strike>& strikes,
                          double tailSeconds = 1.0) {
  const auto soundFont = findSoundFont();
  if (!soundFont) throw std::runtime_error("no General MIDI sound font installed");
  OfflineRenderer renderer(*soundFont);
  return testing::renderStrikes(renderer, program, strikes, tailSeconds);
}

// Each open string, the 5th and 12th frets of the low E, and the high E at frets 5, 12 and 24,
// plucked 700 ms apart.
TEST(ListenAccuracy, NotesAcrossTheNeckAreNamedAtTheirOnset) {
  const std::vector<int> played{40, 45, 50, 52, 55, 59, 64, 69, 76, 88};
  std::vector<testing::Strike> strikes;
  for (int midi : played) strikes.push_back({static_cast<int>(strikes.size()) * 700 + 500, {midi}, 500});
  for (int program : {testing::kNylonGuitar, testing::kSteelGuitar}) {
    SCOPED_TRACE("program " + std::to_string(program));
    NoteListener listener(kRate);
    const auto heard = testing::hearAll(listener, render(program, strikes));
    ASSERT_EQ(heard.size(), strikes.size());
    for (std::size_t i = 0; i < strikes.size(); ++i) {
      EXPECT_EQ(noteNameWithOctave(heard[i].midi), noteNameWithOctave(strikes[i].notes[0]));
      EXPECT_LE(std::llabs(heard[i].ms - strikes[i].ms), 30) << noteNameWithOctave(strikes[i].notes[0]);
    }
  }
}

// Noise 20 dB below the guitar throughout, and a second of it alone before and after the note:
// one onset, the note's. Turned up, the noise is loud enough to count as sound from its first
// sample, so its flicker before the history has filled must not pass for onsets either.
TEST(ListenAccuracy, NoiseAndSilenceGiveNoFalseOnsets) {
  for (const auto& [program, gain] :
       {std::pair{testing::kNylonGuitar, 1.0f}, std::pair{testing::kSteelGuitar, 1.0f},
        std::pair{testing::kNylonGuitar, 8.0f}}) {
    SCOPED_TRACE("program " + std::to_string(program) + ", gain " + std::to_string(gain));
    std::vector<float> mono = render(program, {{1000, {57}, 600}}, 1.0);
    testing::addNoise(mono, -20.0);
    for (float& s : mono) s *= gain;
    NoteListener notes(kRate);
    const auto heard = testing::hearAll(notes, mono);
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(noteNameWithOctave(heard[0].midi), "A3");
    EXPECT_LE(std::llabs(heard[0].ms - 1000), 30);
    ChordListener chords(kRate, builtInChordTypes());
    EXPECT_EQ((testing::hearAll(chords, mono).size()), 1u);
  }
}

// The nylon guitar's G major scale from its low G, legato (each note sounding into the next),
// under noise 20 dB down: its soft A2 and B2 rise too little above the noise to pass for onsets,
// but the pitch settles on them (the A2 only after some 300 ms, beating with the G2), and each is
// placed where it came in.
TEST(ListenAccuracy, SoftLegatoLowNotesUnderNoiseAreHeard) {
  const std::vector<int> played{43, 45, 47, 48, 50, 52};
  std::vector<testing::Strike> strikes;
  for (int midi : played) strikes.push_back({1000 + static_cast<int>(strikes.size()) * 300, {midi}, 400});
  std::vector<float> mono = render(testing::kNylonGuitar, strikes);
  testing::addNoise(mono, -20.0);
  NoteListener listener(kRate);
  const auto heard = testing::hearAll(listener, mono);
  std::vector<std::string> names;
  for (const HeardNote& note : heard) names.push_back(noteNameWithOctave(note.midi));
  ASSERT_EQ(names, (std::vector<std::string>{"G2", "A2", "B2", "C3", "D3", "E3"}));
  for (std::size_t i = 0; i < heard.size(); ++i)
    EXPECT_LE(std::llabs(heard[i].ms - strikes[i].ms), 30) << names[i];
}

// The nylon guitar's soft strums under noise 20 dB down: each one is heard at its onset, and the
// noise setting in at the start is no strum. Open C, G and E m, 12 ms a string.
TEST(ListenAccuracy, SoftStrumsUnderNoiseAreFound) {
  const std::vector<testing::Strike> strums{{1000, {48, 52, 55, 60, 64}, 1100, 12},
                                            {2300, {43, 47, 50, 55, 59, 67}, 1100, 12},
                                            {3600, {40, 47, 52, 55, 59, 64}, 1100, 12}};
  std::vector<float> mono = render(testing::kNylonGuitar, strums);
  testing::addNoise(mono, -20.0);
  ChordListener listener(kRate, builtInChordTypes());
  const auto heard = testing::hearAll(listener, mono);
  ASSERT_EQ(heard.size(), strums.size());
  for (std::size_t i = 0; i < strums.size(); ++i) EXPECT_LE(std::llabs(heard[i].ms - strums[i].ms), 30);
}

// Dictionary voicings strummed low string first, 12 ms a string: the heard pitch-class set is the
// rendered one. Both guitars hear these exactly; about half of the other voicings not yet (a
// high string missed or an overtone heard), see docs/listening.md.
TEST(ListenAccuracy, CommonVoicingsAreHeardAsTheirChord) {
  struct Case {
    const char* type;
    PitchClass key;
    std::size_t voicing;
    const char* heard;  // sharp names, C first
  };
  const Case cases[] = {
      {"maj", 2, 0, "D F# A"},
      {"maj", 2, 2, "D F# A"},
      {"maj", 2, 4, "D F# A"},
      {"maj", 0, 3, "C E G"},
      // On the steel guitar the pursuit misses this voicing's E3 and takes its 3rd and 5th partials
      // for a B and a G#; E3's own fundamental, a narrow peak, gives them back to it.
      {"maj", 0, 2, "C E G"},
      // The G4 on the high string lies on the C3's third partial; on the steel guitar it adds
      // little there, but turns the phase as it comes in.
      {"6", 0, 0, "C E G A"}};
  const auto types = chordTypeDefinitions();
  for (const Case& c : cases) {
    int index = 0;
    while (types[static_cast<std::size_t>(index)].name != c.type) ++index;
    const FamilyType ft = familyTypeOf(index);
    const ChordDiagram voicing = LoadChordVoicings(STRUMLY_PROGRAM_DIR, ft.family, ft.type, c.key)[c.voicing];
    testing::Strike strike{500, {}, 1100, 12};
    for (PitchNumber p : voicing.pitches)
      if (p != 0) strike.notes.push_back(p);
    for (int program : {testing::kNylonGuitar, testing::kSteelGuitar}) {
      SCOPED_TRACE(std::string(c.heard) + ", voicing " + std::to_string(c.voicing) + ", program " +
                   std::to_string(program));
      ChordListener listener(kRate, builtInChordTypes());
      const auto heard = testing::hearAll(listener, render(program, {strike}));
      ASSERT_EQ(heard.size(), 1u);
      EXPECT_LE(std::llabs(heard[0].ms - 500), 30);
      EXPECT_EQ(pitchClassesText(heard[0].pitchClasses), c.heard);
      // The open-position D (xx0232) has its root in the bass on both guitars.
      if (c.key == 2 && c.voicing == 0) EXPECT_EQ(heard[0].name, "D maj");
    }
  }
}

}  // namespace
}  // namespace strumly
