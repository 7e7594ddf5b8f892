#include "core/practice/PlayAlongScorer.h"

#include <fftw3.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <mutex>
#include <new>
#include <numbers>

#include "core/chords/ChordName.h"
#include "core/listen/ChordSpectrum.h"
#include "core/listen/FftwPlanner.h"
#include "core/midi/MidiEvent.h"
#include "core/playback/SongRecording.h"

namespace strumly {

namespace {

// The strum's window: as long as the chord listener's, but starting later, once most strings of
// a strum have sounded (what rang before the onset is still taken off).
constexpr double kWindowStartSeconds = 0.04;
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
constexpr double kHeardShare = 0.02;
constexpr double kWeakFundamentalHz = 115;
constexpr double kGrowth = 1.1;
// A peak no partial of the slot's notes explains is an extra note when it reaches this share.
constexpr double kExtraShare = 0.35;
// Below this the window holds no strum worth judging (full scale 1.0; about -80 dBFS).
constexpr double kSilentPeak = 1e-4;
// The strum's onset: a rise of the spectral flux (log magnitudes, so soft strings count) in the
// window, against the flux around it. The scorer knows where to look, so it needs no detector of
// its own onsets running through noise: the window's strongest rise is compared with the median
// rise of the second around it.
constexpr std::size_t kFluxFrame = 1024;  // 23 ms at 44.1 kHz
constexpr std::size_t kFluxHop = 256;
constexpr double kFluxCompression = 1;
constexpr double kFluxAroundSeconds = 1.0;
constexpr double kStrumOverMedian = 1.7;
// The onset is the first hop, within a strum's spread before the window's strongest rise, that
// rose this share of the way up from the median to it: a strum's first, lowest string rises less
// than the ones after it.
constexpr double kOnsetShare = 0.3;
constexpr double kStrumSpreadMs = 110;
// Below this the flux is silence or dither (the sum over the band of log rises).
constexpr double kSilentFlux = 0.5;

class StrumFlux {
 public:
  StrumFlux(std::span<const float> mono, double sampleRate)
      : hopMs_(1000.0 * kFluxHop / sampleRate), frameMiddleMs_(500.0 * kFluxFrame / sampleRate) {
    float* in = fftwf_alloc_real(kFluxFrame);
    fftwf_complex* out = fftwf_alloc_complex(kFluxFrame / 2 + 1);
    fftwf_plan plan = nullptr;
    if (in != nullptr && out != nullptr) {
      std::lock_guard lock(listen::fftwPlanner());
      plan = fftwf_plan_dft_r2c_1d(static_cast<int>(kFluxFrame), in, out, FFTW_ESTIMATE);
    }
    if (plan == nullptr) {
      fftwf_free(in);
      fftwf_free(out);
      throw std::bad_alloc();
    }
    const auto first = static_cast<std::size_t>(kLowestHz * kFluxFrame / sampleRate);
    const auto last =
        std::min(kFluxFrame / 2, static_cast<std::size_t>(kHighestHz * kFluxFrame / sampleRate));
    std::vector<double> previous(last + 1, 0.0), now(last + 1, 0.0);
    std::vector<float> taper(kFluxFrame);
    for (std::size_t i = 0; i < kFluxFrame; ++i)
      taper[i] = static_cast<float>(
          0.5 - 0.5 * std::cos(2 * std::numbers::pi * static_cast<double>(i) / (kFluxFrame - 1)));
    for (std::size_t start = 0; start + kFluxFrame <= mono.size() + kFluxFrame - kFluxHop;
         start += kFluxHop) {
      for (std::size_t i = 0; i < kFluxFrame; ++i)
        in[i] = start + i < mono.size() ? mono[start + i] * taper[i] : 0.0f;
      fftwf_execute(plan);
      double rise = 0;
      for (std::size_t k = first; k <= last; ++k) {
        now[k] = std::log1p(kFluxCompression * std::hypot(out[k][0], out[k][1]));
        rise += std::max(0.0, now[k] - previous[k]);
      }
      flux_.push_back(flux_.empty() ? 0.0 : rise);
      std::swap(previous, now);
    }
    {
      std::lock_guard lock(listen::fftwPlanner());
      fftwf_destroy_plan(plan);
    }
    fftwf_free(in);
    fftwf_free(out);
  }

  // The onset of a strum between the two times (ms), or NaN when there is none.
  double strumBetween(double fromMs, double toMs) const {
    const long firstHop = std::max(1L, std::lround(std::ceil(fromMs / hopMs_)));
    const long lastHop =
        std::min(static_cast<long>(flux_.size()) - 1, std::lround(std::floor(toMs / hopMs_)));
    if (firstHop > lastHop) return std::nan("");
    double strongest = 0;
    for (long h = firstHop; h <= lastHop; ++h)
      strongest = std::max(strongest, flux_[static_cast<std::size_t>(h)]);
    const long around = std::lround(kFluxAroundSeconds * 1000.0 / hopMs_);
    std::vector<double> band(flux_.begin() + std::max(0L, firstHop - around),
                             flux_.begin() + std::min(static_cast<long>(flux_.size()), lastHop + around + 1));
    std::nth_element(band.begin(), band.begin() + static_cast<std::ptrdiff_t>(band.size() / 2), band.end());
    const double median = band[band.size() / 2];
    if (strongest < kSilentFlux || strongest < kStrumOverMedian * median) return std::nan("");
    long h = firstHop;
    while (flux_[static_cast<std::size_t>(h)] < strongest) ++h;
    // Back from the strongest rise to the strum's first string: the earliest hop shortly before it
    // that rose well above the median.
    const long peak = h;
    for (long g = std::max(firstHop, peak - std::lround(kStrumSpreadMs / hopMs_)); g < peak; ++g) {
      if (flux_[static_cast<std::size_t>(g)] >= median + kOnsetShare * (strongest - median)) {
        h = g;
        break;
      }
    }
    // A tapered frame's rise shows once the attack nears its middle.
    return static_cast<double>(h) * hopMs_ + frameMiddleMs_;
  }

 private:
  double hopMs_;
  double frameMiddleMs_;
  std::vector<double> flux_;  // the rise of hop h over hop h - 1
};

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

// `mag`: what the strum added (its spectrum less what rang before it); `after`, `before`: the
// spectra of the strum's window and of the one before it.
Judged judge(const ExpectedStrum& strum, const std::vector<double>& mag, const std::vector<double>& after,
             const std::vector<double>& before, double binHz, double a4Hz) {
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
    // A partial of the chord before may ring where the note is (a B's third partial is an F#):
    // then the difference hides the note, but the place still grew louder at the strum.
    const bool grew = peakNear(after, binHz, f) >= kGrowth * peakNear(before, binHz, f) &&
                      peakNear(after, binHz, f) >= kHeardShare * strongest;
    if (grew || std::max(peakNear(mag, binHz, f), octave) >= kHeardShare * strongest) heard |= bit;
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
    const double best = flux.strumBetween(beat - window.earlyMs, beat + window.lateMs);
    if (std::isfinite(best)) {
      const auto onset = static_cast<std::int64_t>(std::llround(best * sampleRate / 1000.0));
      const std::vector<float> inside = samplesFrom(onset + std::llround(kWindowStartSeconds * sampleRate));
      const std::vector<float> before =
          samplesFrom(onset - std::llround(kGuardSeconds * sampleRate) - static_cast<std::int64_t>(length));
      const Judged judged = judge(strum, spectrum.difference(inside.data(), before.data()),
                                  spectrum.difference(inside.data(), nullptr),
                                  spectrum.difference(before.data(), nullptr), spectrum.binHz(), a4Hz);
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
