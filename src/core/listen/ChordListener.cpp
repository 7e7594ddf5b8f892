#include "core/listen/ChordListener.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/chords/ChordName.h"
#include "core/chords/ChordTypeList.h"
#include "core/chords/ChordTypes.h"
#include "core/listen/ChordSpectrum.h"
#include "core/listen/OnsetDetector.h"
#include "core/listen/StrumTiming.h"

namespace strumly {

namespace {

// A strum's strings follow each other within a few tens of milliseconds; onsets inside the
// analysed window belong to the same strum.
// The onset lies where the strum's first string starts; the window begins past the pick's click
// and the first string's own attack.
constexpr double kWindowStartSeconds = 0.02;
constexpr double kWindowSeconds = 0.14;
// Kept samples: the onset detector places an onset some hops back, and the window follows it.
constexpr double kHistorySeconds = 0.5;

std::uint16_t typeMask(const ChordTypeRecord& type) {
  std::uint16_t mask = 0;
  for (std::uint8_t interval : type.intervals) {
    if (interval == kUnusedInterval) continue;
    mask = static_cast<std::uint16_t>(mask | (1u << (interval % 12)));
  }
  return mask;
}

std::uint16_t rotated(std::uint16_t mask, int root) {
  const unsigned m = mask;
  return static_cast<std::uint16_t>(((m << root) | (m >> (12 - root))) & 0xFFFu);
}

}  // namespace

std::vector<ChordTypeRecord> builtInChordTypes() {
  std::vector<ChordTypeRecord> types;
  for (const ChordTypeDefinition& d : chordTypeDefinitions()) {
    ChordTypeRecord r;
    r.intervals = d.intervals;
    r.name = d.name;
    r.formula = d.formula;
    types.push_back(r);
  }
  return types;
}

std::vector<ChordTypeRecord> chordTypesWithUsers(std::span<const UserChordType> userTypes) {
  std::vector<ChordTypeRecord> types = builtInChordTypes();
  for (const UserChordType& user : userTypes)
    types.push_back(userChordType(user.name, user.formula, user.intervals));
  return types;
}

ChordNaming nameChordSet(std::uint16_t pitchClasses, int bass, const std::vector<ChordTypeRecord>& chordTypes,
                         Spelling spelling) {
  ChordNaming naming;
  if (pitchClasses == 0) return naming;
  std::optional<std::pair<int, int>> first;  // type, root
  std::optional<std::pair<int, int>> onBass;
  for (std::size_t t = 0; t < chordTypes.size() && !onBass; ++t) {
    const std::uint16_t mask = typeMask(chordTypes[t]);
    if ((mask & 1u) == 0) continue;  // a type without its root cannot be placed on one
    for (int root = 0; root < 12; ++root) {
      if (rotated(mask, root) != pitchClasses) continue;
      if (!first) first = {static_cast<int>(t), root};
      if (root == bass) onBass = {static_cast<int>(t), root};
    }
  }
  const auto chosen = onBass ? onBass : first;
  if (!chosen) return naming;
  const NoteNames names{spelling};
  naming.typeIndex = chosen->first;
  naming.root = chosen->second;
  naming.name = std::string(names.name(naming.root)) + ' ' +
                std::string(trimRight(chordTypes[static_cast<std::size_t>(naming.typeIndex)].name.view()));
  if (bass >= 0 && bass != naming.root) naming.name += " /" + std::string(names.name(bass));
  return naming;
}

struct ChordListener::State {
  double rate;
  double a4;
  Spelling spelling;
  std::vector<ChordTypeRecord> types;
  std::size_t hop;
  listen::HopCutter cutter;
  listen::OnsetDetector onsets;
  listen::ChordSpectrum spectrum;
  listen::SampleHistory history;        // its end is the number of samples through the stages
  std::optional<std::int64_t> pending;  // onset of the strum being collected

  State(double sampleRate, std::vector<ChordTypeRecord> chordTypes, double a4Hz, Spelling s)
      : rate(sampleRate),
        a4(a4Hz),
        spelling(s),
        types(std::move(chordTypes)),
        hop(listen::powerOfTwoFor(sampleRate, 0.0058)),
        cutter(hop),
        onsets(sampleRate, hop, kWindowSeconds),
        spectrum(sampleRate, static_cast<std::size_t>(std::lround(kWindowSeconds * sampleRate))),
        history(static_cast<std::size_t>(std::lround(kHistorySeconds * sampleRate))) {}

  std::int64_t windowStart(std::int64_t onset) const {
    return onset + std::llround(kWindowStartSeconds * rate);
  }
  std::int64_t windowEnd(std::int64_t onset) const {
    return windowStart(onset) + static_cast<std::int64_t>(spectrum.windowLength());
  }

  HeardChord analyse(std::int64_t onset) {
    const std::int64_t start = windowStart(onset);
    const std::size_t length = spectrum.windowLength();
    const std::vector<float> window = history.read(start, length);
    const std::vector<float> before = history.readBefore(onset, length, rate);
    // The strum's course from a frame that ends at its onset, for the notes whose partials all
    // lie on a lower string's.
    const auto lead = static_cast<std::int64_t>(listen::StrumTiming::frameLength(rate));
    const listen::StrumTiming timing(
        history.read(onset - lead, static_cast<std::size_t>(windowEnd(onset) - onset + lead)), rate);
    const listen::HeardSet set = spectrum.analyse(window.data(), before.data(), a4, &timing);
    HeardChord chord;
    chord.ms = std::llround(static_cast<double>(onset) * 1000.0 / rate);
    chord.pitchClasses = set.pitchClasses;
    chord.bass = set.bassNote >= 0 ? pitchClassOf(set.bassNote) : -1;
    const ChordNaming naming = nameChordSet(chord.pitchClasses, chord.bass, types, spelling);
    chord.root = naming.root;
    chord.typeIndex = naming.typeIndex;
    chord.name = naming.name;
    return chord;
  }

  // An onset in which no note sounds (noise setting in, a knock on the guitar's body) is no strum.
  static void report(HeardChord chord, std::vector<HeardChord>& heard) {
    if (chord.pitchClasses != 0) heard.push_back(std::move(chord));
  }

  void processHop(const float* samples, std::vector<HeardChord>& heard) {
    history.append(samples, hop);
    std::int64_t onset = 0;
    const bool found = onsets.process(samples, onset);
    if (found && !pending) pending = std::max<std::int64_t>(onset, 0);
    if (pending && history.end() >= windowEnd(*pending)) {
      report(analyse(*pending), heard);
      pending.reset();
    }
  }
};

ChordListener::ChordListener(double sampleRate, std::vector<ChordTypeRecord> chordTypes, double a4Hz,
                             Spelling spelling)
    : state_(std::make_unique<State>(sampleRate, std::move(chordTypes), a4Hz, spelling)) {}
ChordListener::~ChordListener() = default;

std::vector<HeardChord> ChordListener::feed(const float* mono, std::size_t count) {
  std::vector<HeardChord> heard;
  state_->cutter.feed(mono, count, [&](const float* hop) { state_->processHop(hop, heard); });
  return heard;
}

std::vector<HeardChord> ChordListener::finish() {
  std::vector<HeardChord> heard;
  if (state_->pending) {
    state_->report(state_->analyse(*state_->pending), heard);
    state_->pending.reset();
  }
  return heard;
}

void ChordListener::setChordTypes(std::vector<ChordTypeRecord> chordTypes) {
  state_->types = std::move(chordTypes);
}
void ChordListener::setReferenceA4(double a4Hz) {
  state_->a4 = a4Hz;
}
void ChordListener::setSpelling(Spelling spelling) {
  state_->spelling = spelling;
}
double ChordListener::sampleRate() const {
  return state_->rate;
}
void ChordListener::reset() {
  state_ = std::make_unique<State>(state_->rate, std::move(state_->types), state_->a4, state_->spelling);
}

}  // namespace strumly
