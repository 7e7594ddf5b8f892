#include "core/practice/PlayAlongScorer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "core/chords/ChordName.h"
#include "core/listen/ChordSpectrum.h"
#include "core/listen/NoteListener.h"
#include "core/midi/MidiEvent.h"
#include "core/playback/SongRecording.h"

namespace strumly {

namespace {

// The strum's window, as the chord listener takes it: past the pick's click, long enough for
// every string of a strum to have sounded.
constexpr double kWindowStartSeconds = 0.01;
constexpr double kWindowSeconds = 0.14;
constexpr double kGuardSeconds = 0.005;
constexpr double kLowestHz = 70;
constexpr double kHighestHz = 5000;
// A peak belongs to a note's partial within this distance of its place.
constexpr double kToleranceCents = 40;
constexpr int kPartials = 12;
// A slot's note counts as heard when its fundamental reaches this share of the strum's strongest
// peak; below kWeakFundamentalHz (the two low strings' first frets) its octave may stand in, as a
// low string's fundamental is weak at first. Higher up an octave is too often another note's
// third partial (a D's third partial is an octave above the A a fifth above it).
constexpr double kHeardShare = 0.05;
constexpr double kWeakFundamentalHz = 115;
// A peak no partial of the slot's notes explains is an extra note when it reaches this share.
constexpr double kExtraShare = 0.35;
// Below this the window holds no strum worth judging (full scale 1.0; about -80 dBFS).
constexpr double kSilentPeak = 1e-4;
constexpr std::size_t kBlock = 512;
constexpr double kLeadSeconds = 0.5;

double peakNear(const std::vector<double>& mag, double binHz, double hz) {
  const double ratio = std::pow(2.0, kToleranceCents / 1200.0);
  const auto lo = static_cast<std::size_t>(std::floor(hz / ratio / binHz));
  const auto hi = std::min(mag.size() - 1, static_cast<std::size_t>(std::ceil(hz * ratio / binHz)));
  double best = 0;
  for (std::size_t k = lo; k <= hi && k < mag.size(); ++k) best = std::max(best, mag[k]);
  return best;
}

bool explained(double hz, const std::vector<double>& fundamentals) {
  for (double f : fundamentals) {
    const double h = std::round(hz / f);
    if (h < 1 || h > kPartials) continue;
    if (std::abs(1200.0 * std::log2(hz / (h * f))) <= kToleranceCents) return true;
  }
  return false;
}

struct Judged {
  StrumVerdict verdict = StrumVerdict::Missed;
  std::uint16_t missing = 0;
  std::uint16_t extra = 0;
};

Judged judge(const ExpectedStrum& strum, const std::vector<double>& mag, double binHz, double a4Hz) {
  Judged judged;
  const auto first = static_cast<std::size_t>(kLowestHz / binHz);
  const auto last = std::min(mag.size() - 3, static_cast<std::size_t>(kHighestHz / binHz));
  double strongest = 0;
  for (std::size_t k = first; k <= last; ++k) strongest = std::max(strongest, mag[k]);
  if (strongest < kSilentPeak) return judged;

  std::uint16_t wanted = 0;
  std::uint16_t heard = 0;
  std::vector<double> fundamentals;
  for (PitchNumber pitch : strum.pitches) {
    if (pitch == 0) continue;
    const double f = noteHz(pitch, a4Hz);
    fundamentals.push_back(f);
    const auto bit = static_cast<std::uint16_t>(1u << pitchClassOf(pitch));
    wanted |= bit;
    const double octave = f < kWeakFundamentalHz ? peakNear(mag, binHz, 2 * f) : 0.0;
    if (std::max(peakNear(mag, binHz, f), octave) >= kHeardShare * strongest) heard |= bit;
  }
  judged.missing = static_cast<std::uint16_t>(wanted & ~heard);
  for (std::size_t k = first; k <= last; ++k) {
    const double m = mag[k];
    if (m < kExtraShare * strongest || m <= mag[k - 1] || m < mag[k + 1] || m < mag[k - 2] || m < mag[k + 2])
      continue;
    const double hz = static_cast<double>(k) * binHz;
    if (explained(hz, fundamentals)) continue;
    const int pitchClass = pitchClassOf(static_cast<int>(std::lround(exactPitch(hz, a4Hz))));
    const auto bit = static_cast<std::uint16_t>(1u << pitchClass);
    if ((wanted & bit) == 0) judged.extra |= bit;
  }
  judged.verdict = judged.missing == 0 && judged.extra == 0 ? StrumVerdict::Right : StrumVerdict::Partly;
  return judged;
}

}  // namespace

std::vector<ExpectedStrum> expectedStrums(const PlayPageSong& song, const AppSettings& settings,
                                          const NoteNames& names) {
  std::vector<ExpectedStrum> strums;
  const RecordedSong recorded = recordSong(song, settings, RecordingOptions{});
  const int perMeasure = slotsPerMeasure(song.signature);
  const double msPerTick = static_cast<double>(recorded.tempoMicros) / kTicksPerBeat / 1000.0;
  for (const TickedEvent& e : recorded.events) {
    // Each slot's status-3 marker is queued at the time its strum's first note starts.
    if (e.event.status != 3) continue;
    const int slot = e.event.data1 + 256 * e.event.data2;
    if (slot < 0 || slot >= kPlaySlotCount) continue;
    const ChordDiagram& chord = song.slots[static_cast<std::size_t>(slot)];
    if (chord.isEmpty() ||
        std::all_of(chord.pitches.begin(), chord.pitches.end(), [](PitchNumber p) { return p == 0; }))
      continue;
    ExpectedStrum strum;
    strum.slot = slot;
    strum.measure = slot / perMeasure + 1;
    strum.slotInMeasure = slot % perMeasure + 1;
    strum.ms = static_cast<double>(e.tick) * msPerTick;
    strum.pitches = chord.pitches;
    strum.chord = chordNameText(chord, names);
    strums.push_back(std::move(strum));
  }
  return strums;
}

std::vector<StrumScore> scoreTake(std::span<const ExpectedStrum> strums, std::span<const float> mono,
                                  double sampleRate, const ScoreWindow& window, double a4Hz) {
  // The onsets: the note listener's, which keeps finding plucks in noise where the chord
  // listener's longer gap loses them; a strum's first string is its onset. The listener is fed
  // some silence first, so a strum right at the start of the take is an onset too.
  NoteListener listener(sampleRate, a4Hz);
  std::vector<double> onsets;
  const std::vector<float> lead(static_cast<std::size_t>(kLeadSeconds * sampleRate), 0.0f);
  const double leadMs = static_cast<double>(lead.size()) * 1000.0 / sampleRate;
  auto take = [&](const std::vector<HeardNote>& notes) {
    for (const HeardNote& n : notes) onsets.push_back(static_cast<double>(n.ms) - leadMs);
  };
  take(listener.feed(lead.data(), lead.size()));
  for (std::size_t i = 0; i < mono.size(); i += kBlock)
    take(listener.feed(mono.data() + i, std::min(kBlock, mono.size() - i)));
  take(listener.finish());

  const auto length = static_cast<std::size_t>(std::lround(kWindowSeconds * sampleRate));
  listen::ChordSpectrum spectrum(sampleRate, length);
  auto samplesFrom = [&](std::int64_t first) {
    std::vector<float> out(length, 0.0f);
    for (std::size_t i = 0; i < length; ++i) {
      const std::int64_t n = first + static_cast<std::int64_t>(i);
      if (n >= 0 && n < static_cast<std::int64_t>(mono.size())) out[i] = mono[static_cast<std::size_t>(n)];
    }
    return out;
  };

  std::vector<StrumScore> scores;
  scores.reserve(strums.size());
  for (const ExpectedStrum& strum : strums) {
    StrumScore score;
    score.strum = strum;
    const double beat = strum.ms + window.latencyMs;
    const auto from = std::lower_bound(onsets.begin(), onsets.end(), beat - window.earlyMs);
    double best = std::numeric_limits<double>::infinity();
    if (from != onsets.end() && *from <= beat + window.lateMs) best = *from;
    if (std::isfinite(best)) {
      const auto onset = static_cast<std::int64_t>(std::llround(best * sampleRate / 1000.0));
      const std::vector<float> inside = samplesFrom(onset + std::llround(kWindowStartSeconds * sampleRate));
      const std::vector<float> before =
          samplesFrom(onset - std::llround(kGuardSeconds * sampleRate) - static_cast<std::int64_t>(length));
      const Judged judged =
          judge(strum, spectrum.difference(inside.data(), before.data()), spectrum.binHz(), a4Hz);
      score.verdict = judged.verdict;
      score.missing = judged.missing;
      score.extra = judged.extra;
      if (score.verdict != StrumVerdict::Missed) score.offsetMs = best - beat;
    }
    scores.push_back(std::move(score));
  }
  return scores;
}

const char* verdictText(StrumVerdict verdict) {
  switch (verdict) {
    case StrumVerdict::Right:
      return "right";
    case StrumVerdict::Partly:
      return "partly";
    case StrumVerdict::Missed:
      break;
  }
  return "missed";
}

std::string scoreLine(const StrumScore& score) {
  std::string line = std::to_string(score.strum.measure) + '.' + std::to_string(score.strum.slotInMeasure) +
                     ' ' + score.strum.chord + ' ' + verdictText(score.verdict) + ' ';
  if (score.verdict == StrumVerdict::Missed) return line + '-';
  const long offset = std::lround(score.offsetMs);
  return line + (offset > 0 ? "+" : "") + std::to_string(offset);
}

std::string scoreSummary(std::span<const StrumScore> scores) {
  int right = 0, partly = 0, missed = 0;
  double offsets = 0;
  for (const StrumScore& s : scores) {
    if (s.verdict == StrumVerdict::Right) ++right;
    if (s.verdict == StrumVerdict::Partly) ++partly;
    if (s.verdict == StrumVerdict::Missed) ++missed;
    if (s.verdict != StrumVerdict::Missed) offsets += s.offsetMs;
  }
  std::string text = std::to_string(right) + " of " + std::to_string(scores.size()) +
                     (scores.size() == 1 ? " chord right, " : " chords right, ") + std::to_string(partly) +
                     " partly, " + std::to_string(missed) + " missed";
  const int heard = right + partly;
  if (heard == 0) return text;
  const long average = std::lround(offsets / heard);
  if (average == 0) return text + "; on average on the beat";
  return text + "; on average " + std::to_string(std::labs(average)) +
         (average > 0 ? " ms late" : " ms early");
}

}  // namespace strumly
