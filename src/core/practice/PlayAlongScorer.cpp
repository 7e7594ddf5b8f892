#include "core/practice/PlayAlongScorer.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <limits>

#include "core/chords/ChordName.h"
#include "core/listen/ChordSpectrum.h"
#include "core/listen/StringPartials.h"
#include "core/listen/ToneAt.h"
#include "core/midi/MidiEvent.h"
#include "core/playback/SongRecording.h"
#include "core/practice/StrumFlux.h"

namespace strumly {

namespace {

// The strum's window: as long as the chord listener's, but starting later, once most strings of
// a strum have sounded (what rang before the onset is still taken off).
constexpr double kWindowStartSeconds = 0.04;
constexpr double kWindowSeconds = 0.14;
constexpr double kGuardSeconds = 0.005;
// Frames for following a single partial through the onset: long enough to part it from a
// neighbouring string a whole tone away.
constexpr double kToneFrameSeconds = 0.092;
constexpr double kLowestHz = 70;
constexpr double kHighestHz = 5000;
// A peak belongs to a note's partial within this distance of its place.
constexpr double kToleranceCents = 40;
constexpr int kPartials = 12;
// A slot's note counts as heard when its fundamental reaches this share of the strum's strongest
// peak; below kWeakFundamentalHz (the two low strings' first frets) its octave may stand in, as a
// low string's fundamental is weak at first. Higher up an octave is too often another note's
// third partial (a D's third partial is an octave above the A a fifth above it).
constexpr double kHeardShare = 0.02;
constexpr double kWeakFundamentalHz = 115;
// Up to this share a note's place must hold a peak as narrow as a string's (kBroadShare): a weak
// rise there may be the flank of the body's resonance or of a neighbouring string.
constexpr double kSureShare = 0.05;
// A note whose place rang before is heard when what the strum added there reaches this share
// of what rang (set on bench_score's tuning chords, the middle of the range, 0.4 to 0.8, that
// judged them alike).
constexpr double kNewShare = 0.6;
// A peak no partial of the slot's notes explains is an extra note when it reaches this share.
constexpr double kExtraShare = 0.35;
// A peak whose magnitude this far out still holds this share of its top is broad: no string's.
constexpr double kBroadShare = 0.5;
// Below this the window holds no strum worth judging (full scale 1.0; about -80 dBFS).
constexpr double kSilentPeak = 1e-4;
double peakNear(const std::vector<double>& mag, double binHz, double hz) {
  const double ratio = std::pow(2.0, kToleranceCents / 1200.0);
  const auto lo = static_cast<std::size_t>(std::floor(hz / ratio / binHz));
  const auto hi = std::min(mag.size() - 1, static_cast<std::size_t>(std::ceil(hz * ratio / binHz)));
  double best = 0;
  for (std::size_t k = lo; k <= hi && k < mag.size(); ++k) best = std::max(best, mag[k]);
  return best;
}

// Whether something new started sounding at `hz` with the strum, though the place rang before:
// a ringing partial only turns and fades steadily, so two frames before the onset foretell the
// frame after it; a string plucked there departs from that, whatever its phase against what rang
// (a new F#4 over a ringing B2's third partial can even make the place softer).
double newAt(std::span<const float> mono, std::int64_t onset, double hz, double sampleRate) {
  const auto length = static_cast<std::int64_t>(std::lround(kToneFrameSeconds * sampleRate));
  thread_local std::vector<double> taper;
  if (taper.size() != static_cast<std::size_t>(length)) taper = listen::hannTaper(static_cast<std::size_t>(length));
  const auto toneAt = [&](std::int64_t first) { return listen::toneAt(mono, first, taper, hz, sampleRate); };
  const std::int64_t beforeEnd = onset - std::llround(kGuardSeconds * sampleRate);
  const std::int64_t afterStart = onset + std::llround(kWindowStartSeconds * sampleRate);
  const std::complex<double> earlier = toneAt(beforeEnd - 2 * length);
  const std::complex<double> before = toneAt(beforeEnd - length);
  const std::complex<double> after = toneAt(afterStart);
  if (std::abs(before) < 1e-9) return std::numeric_limits<double>::infinity();
  std::complex<double> step = std::abs(earlier) > 1e-9 ? before / earlier : std::complex<double>(1, 0);
  if (std::abs(step) > 1) step /= std::abs(step);  // what rings only fades
  const double frames = static_cast<double>(afterStart - (beforeEnd - length)) / static_cast<double>(length);
  const std::complex<double> foretold =
      before * std::polar(std::pow(std::abs(step), frames), std::arg(step) * frames);
  return std::abs(after - foretold) / std::abs(before);
}

// `mag`: what the strum added (its spectrum less what rang before it); `after`: the spectrum of
// the strum's window; `mono` and `onset` (a sample): the take, to follow a note's place through
// the onset.
StrumJudgement judgeSpectra(const std::array<PitchNumber, kStringCount>& pitches, const std::vector<double>& mag,
                            const std::vector<double>& after, double binHz, double a4Hz,
                            std::span<const float> mono, std::int64_t onset, double sampleRate) {
  StrumJudgement judged;
  const auto first = static_cast<std::size_t>(kLowestHz / binHz);
  const auto last = std::min(mag.size() - 3, static_cast<std::size_t>(kHighestHz / binHz));
  double strongest = 0;
  for (std::size_t k = first; k <= last; ++k) strongest = std::max(strongest, mag[k]);
  if (strongest < kSilentPeak) return judged;

  const std::size_t lobe = listen::narrowLobeBins(binHz, kWindowSeconds);
  const auto narrowPeakNear = [&](const std::vector<double>& spectrum, double hz) {
    return listen::narrowPeakNear(spectrum, binHz, hz, lobe, kToleranceCents);
  };
  std::uint16_t wanted = 0;
  std::uint16_t heard = 0;
  std::vector<double> fundamentals;
  for (PitchNumber pitch : pitches) {
    if (pitch == 0) continue;
    const double f = noteHz(pitch, a4Hz);
    fundamentals.push_back(f);
    const auto bit = static_cast<std::uint16_t>(1u << pitchClassOf(pitch));
    wanted |= bit;
    const double octave = f < kWeakFundamentalHz ? peakNear(mag, binHz, 2 * f) : 0.0;
    // A partial of the chord before may ring where the note is (a B's third partial is an F#),
    // or the string rang on from it: then the difference hides the note, and the place may even
    // grow softer when the new string's phase opposes what rang. What counts then is whether
    // the place departs from the way it was ringing.
    const bool replucked = narrowPeakNear(after, f) >= kHeardShare * strongest &&
                           newAt(mono, onset, f, sampleRate) >= kNewShare;
    const double near = peakNear(mag, binHz, f);
    const double own = near >= kSureShare * strongest ? near : narrowPeakNear(mag, f);
    if (replucked || std::max(own, octave) >= kHeardShare * strongest) heard |= bit;
  }
  judged.missing = static_cast<std::uint16_t>(wanted & ~heard);
  for (std::size_t k = std::max(first, lobe); k + lobe < mag.size() && k <= last; ++k) {
    const double m = mag[k];
    if (m < kExtraShare * strongest || m <= mag[k - 1] || m < mag[k + 1] || m < mag[k - 2] || m < mag[k + 2])
      continue;
    const double hz = static_cast<double>(k) * binHz;
    if (listen::onPartialOf(hz, fundamentals, kPartials, kToleranceCents)) continue;
    // A string's partial is as narrow as the window's main lobe; the body's resonance (near
    // 200 Hz, which a strum sets ringing) is broader, and is no note.
    if (std::min(mag[k - lobe], mag[k + lobe]) >= kBroadShare * m) continue;
    const int pitchClass = pitchClassOf(static_cast<int>(std::lround(exactPitch(hz, a4Hz))));
    const auto bit = static_cast<std::uint16_t>(1u << pitchClass);
    if ((wanted & bit) == 0) judged.extra |= bit;
  }
  judged.heard = static_cast<std::uint16_t>(heard | judged.extra);
  judged.verdict = judged.missing == 0 && judged.extra == 0 ? StrumVerdict::Right : StrumVerdict::Partly;
  return judged;
}

std::size_t windowLength(double sampleRate) {
  return static_cast<std::size_t>(std::lround(kWindowSeconds * sampleRate));
}

}  // namespace

StrumJudge::StrumJudge(double sampleRate, double a4Hz)
    : rate_(sampleRate),
      a4_(a4Hz),
      spectrum_(std::make_unique<listen::ChordSpectrum>(sampleRate, windowLength(sampleRate))) {}

StrumJudge::~StrumJudge() = default;

std::int64_t StrumJudge::soundAfter() const {
  return std::llround(kWindowStartSeconds * rate_) + static_cast<std::int64_t>(spectrum_->windowLength());
}

std::int64_t StrumJudge::soundBefore() const {
  // What rang before is taken off over a window's length; a note's place is followed over two
  // tone frames.
  const std::int64_t guard = std::llround(kGuardSeconds * rate_);
  return guard + std::max(static_cast<std::int64_t>(spectrum_->windowLength()),
                          static_cast<std::int64_t>(2 * std::llround(kToneFrameSeconds * rate_)));
}

StrumJudgement StrumJudge::judge(const std::array<PitchNumber, kStringCount>& pitches, std::span<const float> mono,
                                 std::int64_t onset) {
  const std::size_t length = spectrum_->windowLength();
  auto samplesFrom = [&](std::int64_t first) {
    std::vector<float> out(length, 0.0f);
    for (std::size_t i = 0; i < length; ++i) {
      const std::int64_t n = first + static_cast<std::int64_t>(i);
      if (n >= 0 && n < static_cast<std::int64_t>(mono.size())) out[i] = mono[static_cast<std::size_t>(n)];
    }
    return out;
  };
  const std::vector<float> inside = samplesFrom(onset + std::llround(kWindowStartSeconds * rate_));
  const std::vector<float> before =
      samplesFrom(onset - std::llround(kGuardSeconds * rate_) - static_cast<std::int64_t>(length));
  return judgeSpectra(pitches, spectrum_->difference(inside.data(), before.data()),
                      spectrum_->difference(inside.data(), nullptr), spectrum_->binHz(), a4_, mono, onset, rate_);
}

std::vector<ExpectedStrum> expectedStrums(const PlayPageSong& song, const AppSettings& settings,
                                          const NoteNames& names, std::string* error) {
  std::vector<ExpectedStrum> strums;
  const RecordedSong recorded = recordSong(song, settings, RecordingOptions{});
  if (error != nullptr) *error = recorded.error;
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
  const StrumFlux flux(mono, sampleRate);
  StrumJudge judge(sampleRate, a4Hz);

  std::vector<StrumScore> scores;
  scores.reserve(strums.size());
  for (const ExpectedStrum& strum : strums) {
    StrumScore score;
    score.strum = strum;
    const double beat = strum.ms + window.latencyMs;
    const double best = flux.strumBetween(beat - window.earlyMs, beat + window.lateMs);
    if (std::isfinite(best)) {
      const auto onset = static_cast<std::int64_t>(std::llround(best * sampleRate / 1000.0));
      const StrumJudgement judged = judge.judge(strum.pitches, mono, onset);
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

ScoreTally tallyScores(std::span<const StrumScore> scores) {
  ScoreTally tally;
  double offsets = 0;
  for (const StrumScore& s : scores) {
    if (s.verdict == StrumVerdict::Right) ++tally.right;
    if (s.verdict == StrumVerdict::Partly) ++tally.partly;
    if (s.verdict == StrumVerdict::Missed) ++tally.missed;
    if (s.verdict != StrumVerdict::Missed) offsets += s.offsetMs;
  }
  tally.total = static_cast<int>(scores.size());
  if (const int heard = tally.right + tally.partly; heard > 0) tally.averageMs = std::lround(offsets / heard);
  return tally;
}

std::string scoreSummary(std::span<const StrumScore> scores) {
  const ScoreTally tally = tallyScores(scores);
  std::string text = std::to_string(tally.right) + " of " + std::to_string(tally.total) +
                     (tally.total == 1 ? " chord right, " : " chords right, ") +
                     std::to_string(tally.partly) + " partly, " + std::to_string(tally.missed) + " missed";
  if (!tally.averageMs) return text;
  if (*tally.averageMs == 0) return text + "; on average on the beat";
  return text + "; on average " + std::to_string(std::labs(*tally.averageMs)) +
         (*tally.averageMs > 0 ? " ms late" : " ms early");
}

}  // namespace strumly
