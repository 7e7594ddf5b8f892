#include "core/listen/NoteListener.h"

#include <aubio/aubio.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <deque>
#include <new>
#include <optional>

#include "core/listen/ChordSpectrum.h"
#include "core/listen/NotePitch.h"
#include "core/listen/OnsetDetector.h"
#include "core/listen/PeriodPitch.h"
#include "core/listen/PitchChange.h"
#include "core/listen/StrumTiming.h"
#include "core/theory/Pitch.h"

namespace strumly {

namespace {

// A reading this sure of its period is a pitch; below it the frame is noise, a chord or decay.
constexpr double kConfident = 0.8;
// A note is named from the spectrum of this much of it, less the spectrum just before it, so the
// strings still ringing are not taken for the new note.
constexpr double kNoteWindowSeconds = 0.06;
// Shorter windows name a note sooner where they can be trusted: the first is all the onset
// detector has seen when it reports (29 ms at 44.1 kHz), the second falls between. Their partials
// are too blurred to part a low string's (40 ms named 86-92 % of all notes right), so their answer
// is taken only for a note from D4 up, whose partials lie well apart, or for one from C3 up whose
// fundamental and second partial stand as peaks of their own; anything else waits for the full
// window. Below C3 even such an answer was a semitone or more off for a few notes.
constexpr std::array<double, 2> kEarlyWindowSeconds{0.029, 0.045};
constexpr int kEarlyLowest = 62;          // D4, 294 Hz: twice the first window's main lobe
constexpr int kEarlyResolvedLowest = 48;  // C3
// Below that an early answer stands when the period of the stretch, found in the time domain,
// names the same note within this many cents and repeats this clearly (normalized autocorrelation;
// at 0.6 a B2 read as B3 by both got through). 78 Hz leaves E2 room for a flat string; the top is
// above E6 so a high note is not taken for one of its subharmonics.
constexpr double kPeriodLowestHz = 78.0;
constexpr double kPeriodHighestHz = 1400.0;
constexpr double kPeriodClear = 0.7;
constexpr double kPeriodCents = 35.0;
constexpr double kPeriodThirdShare = 0.5;
// The tuner holds the last pitch through short gaps in the readings.
constexpr double kTunerHoldSeconds = 0.15;
constexpr std::size_t kTunerMedian = 7;
constexpr double kTunerFollow = 0.3;
// A note the pitch readings settled on without an onset found is looked for this far back: as
// far as the readings reach that still name the note before (a soft string beating with the one
// before may take 300 ms to settle), else over the rise of its partials.
constexpr double kChangeTrailSeconds = 0.4;
constexpr double kChangeReachSeconds = 0.16;
constexpr int kChangePartials = 8;
// An early answer below D4 waits for a longer window when the note's lowest two partials lie
// within this many of the window's bins (1/T Hz apart) of one of the first partials of the note
// heard last, up to this long ago, and the stretch before the onset is at least this share as
// loud as the window (it still rings). Chosen on the legato scales at five tempos (250 to 450 ms
// a note): 1018 of 1040 notes right against 1011, legato notes below D4 10 ms later, single
// notes alike; 1.0 bin heard 1017, the first 8 partials as many as 4, a share of 0.1 made single
// notes wait as well. Taking the octave below the note in too changed nothing.
constexpr double kCrowdedBins = 0.7;
constexpr int kCrowdingPartials = 4;
constexpr double kRingingSeconds = 1.0;
constexpr double kRingingShare = 0.3;
// Below this RMS (-60 dBFS) nothing is voiced.
constexpr double kSilentLevel = 0.001;

bool inGuitarRange(double exact) {
  return exact >= kLowestHeardNote - 0.5 && exact < kHighestHeardNote + 0.5;
}

constexpr double kNewNoteRise = 0.8;
double rms(const float* samples, std::size_t count) {
  double sum = 0;
  for (std::size_t i = 0; i < count; ++i) sum += static_cast<double>(samples[i]) * samples[i];
  return count == 0 ? 0.0 : std::sqrt(sum / static_cast<double>(count));
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

struct NoteListener::State {
  double rate;
  double a4;
  std::size_t hop;
  std::size_t window;
  listen::HopCutter cutter;
  listen::OnsetDetector onsets;
  aubio_pitch_t* pitch = nullptr;
  fvec_t* in = nullptr;
  fvec_t* out = nullptr;

  listen::ChordSpectrum spectrum;
  std::vector<std::unique_ptr<listen::ChordSpectrum>> early;  // kEarlyWindowSeconds
  listen::SampleHistory history;        // its end is the number of samples through the stages
  std::optional<std::int64_t> pending;  // onset of the note being collected
  std::size_t nextEarly = 0;            // the early window to try next on it
  std::optional<int> pendingNote;       // the note it must be, when a pitch change found it
  std::int64_t lastOnset = -1;
  int lastHeard = -1;  // the note reported last, and its onset
  std::int64_t lastHeardAt = 0;
  listen::PitchChange change;

  // Tuner
  bool tunerVoiced = false;
  bool restartTuner = false;
  double tunerExact = 0;
  std::deque<double> tunerHistory;
  int tunerSettledReadings = 0;  // readings in a row that agreed with the note shown
  std::int64_t lastVoicedSample = 0;
  double level = 0;

  State(double sampleRate, double a4Hz)
      : rate(sampleRate),
        a4(a4Hz),
        hop(listen::powerOfTwoFor(sampleRate, 0.0058)),
        window(listen::powerOfTwoFor(sampleRate, 0.046)),
        cutter(hop),
        onsets(sampleRate, hop, 0.05),
        spectrum(sampleRate, static_cast<std::size_t>(std::lround(kNoteWindowSeconds * sampleRate))),
        // What rang before a note found that late is taken off its spectrum as well.
        history(static_cast<std::size_t>(std::lround((kChangeTrailSeconds + 0.3) * sampleRate))),
        change(sampleRate, hop, kChangeTrailSeconds) {
    for (double seconds : kEarlyWindowSeconds)
      early.push_back(std::make_unique<listen::ChordSpectrum>(
          sampleRate, static_cast<std::size_t>(std::lround(seconds * sampleRate))));
    // YIN (aubio's FFT-computed "yinfast"): its confidence is one less the dip of the difference
    // function, which the tuner's gate needs. YIN-FFT reports no confidence at all and reads a low E
    // 17 cents sharp. 46 ms hold almost four periods of E2.
    pitch = new_aubio_pitch("yinfast", static_cast<uint_t>(window), static_cast<uint_t>(hop),
                            static_cast<uint_t>(std::lround(sampleRate)));
    in = new_fvec(static_cast<uint_t>(hop));
    out = new_fvec(1);
    if (pitch == nullptr || in == nullptr || out == nullptr) throw std::bad_alloc();
    aubio_pitch_set_unit(pitch, "Hz");
    aubio_pitch_set_silence(pitch, -60.0f);
  }
  ~State() {
    if (pitch != nullptr) del_aubio_pitch(pitch);
    if (in != nullptr) del_fvec(in);
    if (out != nullptr) del_fvec(out);
  }

  std::int64_t ms(std::int64_t sample) const {
    return std::llround(static_cast<double>(sample) * 1000.0 / rate);
  }

  // The RMS of `window`'s length from the pending onset on, and of as much just before it.
  struct Levels {
    double after = 0;
    double before = 0;
  };

  // The strongest note the onset added over `window`'s length, if any; none when that stretch is
  // no louder than the one before it. `levels`, when given, receives the two stretches' RMS.
  std::optional<listen::NotePitch> hearPending(listen::ChordSpectrum& window, Levels* levels = nullptr) {
    const std::int64_t onset = *pending;
    const std::size_t length = window.windowLength();
    const std::vector<float> after = history.read(onset, length);
    const std::vector<float> before = history.readBefore(onset, length, rate);
    const Levels measured{rms(after.data(), after.size()), rms(before.data(), before.size())};
    if (levels != nullptr) *levels = measured;
    // A pluck brings the string up to its loudest; a window no louder than the one before it is a
    // ringing string's beat or a glitch of the sound, not a new note.
    if (measured.after < kNewNoteRise * measured.before) return std::nullopt;
    const listen::NotePitch found =
        listen::notePitch(window.difference(after.data(), before.data()), window.binHz(), a4);
    if (found.midi == 0 || (pendingNote && found.midi != *pendingNote)) return std::nullopt;
    return found;
  }

  void report(const listen::NotePitch& found, std::vector<HeardNote>& heard) {
    HeardNote note;
    note.ms = ms(*pending);
    note.midi = found.midi;
    note.cents = std::clamp(1200.0 * std::log2(found.hz / noteHz(note.midi, a4)), -50.0, 50.0);
    note.hz = found.hz;
    heard.push_back(note);
    change.heard(note.midi, *pending);
    lastHeard = note.midi;
    lastHeardAt = *pending;
    pending.reset();
    pendingNote.reset();
  }

  // The pending note from the full window: reported, or dropped when it is none.
  void settlePending(std::vector<HeardNote>& heard) {
    if (!pending) return;
    if (const auto found = hearPending(spectrum)) report(*found, heard);
    pending.reset();
    pendingNote.reset();
  }

  // The pitch settled on a note no onset announced. When the readings still reach back to the
  // note before, the new string came in one reading's window (46 ms) before the first reading
  // that left it: by then it filled that window enough to move YIN. Otherwise it came in where
  // its own partials rose (halfway, in frames of 46 ms), those that lie clear of the partials of
  // the note before it. Either way the spectrum from there must name the same note.
  void startFromChange(const listen::PitchChange::Settled& settled) {
    const std::int64_t end = history.end();
    // Notes closer than 50 ms to the one before are one (as for onsets).
    const std::int64_t earliest = lastOnset >= 0 ? lastOnset + std::llround(0.05 * rate) : 0;
    if (settled.departed) {
      const std::int64_t at = *settled.departed - static_cast<std::int64_t>(window);
      if (at >= std::max<std::int64_t>(earliest, end - std::llround(kChangeTrailSeconds * rate)))
        return startPending(at, settled.note);
    }
    const std::int64_t from =
        std::max<std::int64_t>(earliest, end - std::llround(kChangeReachSeconds * rate));
    const auto lead = static_cast<std::int64_t>(listen::StrumTiming::frameLength(rate));
    if (end - from < lead) return;
    const listen::StrumTiming timing(history.read(from - lead, static_cast<std::size_t>(end - from + lead)),
                                     rate);
    std::vector<double> rises;
    for (int k = 1; k <= kChangePartials; ++k) {
      const double hz = k * noteHz(settled.note, a4);
      bool clear = true;
      if (settled.before) {
        const double before = noteHz(*settled.before, a4);
        for (int j = 1; j <= 2 * kChangePartials; ++j)
          clear = clear && std::abs(j * before - hz) >= timing.lobeHz();
      }
      if (clear) rises.push_back(timing.rise(hz));
    }
    if (rises.empty()) return;
    startPending(from + std::llround(std::max(0.0, median(rises)) * rate), settled.note);
  }

  void startPending(std::int64_t at, int note) {
    pending = at;
    lastOnset = at;
    pendingNote = note;
    nextEarly = 0;
  }

  // Whether the period of the stretch from the onset names the same note as its spectrum. The two
  // err differently: a short window's spectrum blurs a low string's partials into each other, the
  // period locks onto a strong second partial or onto a mix of the new string and one still
  // ringing. Only an answer both give is taken, and only when the period is clear and the stretch
  // does not also repeat after a third of it: an E4 whose period repeats three times over in that
  // of A2 was read as A2 by both.
  bool periodConfirms(int midi, const std::vector<float>& after) const {
    const listen::PeriodReading period =
        listen::periodPitch(after.data(), after.size(), rate, kPeriodLowestHz, kPeriodHighestHz);
    if (period.hz <= 0 || period.clarity < kPeriodClear) return false;
    if (std::abs(exactPitch(period.hz, a4) - midi) > kPeriodCents / 100.0) return false;
    const listen::PeriodReading third =
        listen::periodPitch(after.data(), after.size(), rate, 2.85 * period.hz, 3.15 * period.hz);
    return third.clarity < kPeriodThirdShare * period.clarity;
  }

  // Each early window once it is complete; an answer one can trust is reported at once, else the
  // note waits for the next window. A note is reported once: what a later window would say of it
  // is not heard.
  void tryEarly(std::vector<HeardNote>& heard) {
    while (pending && nextEarly < early.size() &&
           history.end() >= *pending + static_cast<std::int64_t>(early[nextEarly]->windowLength())) {
      const std::size_t length = early[nextEarly]->windowLength();
      Levels levels;
      const auto found = hearPending(*early[nextEarly++], &levels);
      if (!found) continue;
      if (found->midi < kEarlyLowest && crowdedByRinging(found->midi, length, levels)) continue;
      if (found->midi >= kEarlyLowest || (found->resolved && found->midi >= kEarlyResolvedLowest) ||
          periodConfirms(found->midi, history.read(*pending, length)))
        report(*found, heard);
    }
  }

  // Whether the note's two lowest partials lie close to a partial of the note heard last while
  // that still rings (the stretch before the onset holds a good share of what follows it): in a
  // short window what the onset added there is the difference of two blurred peaks, which can
  // stand between them as a peak of a note neither string played (an A2 over a ringing G2 named
  // G#3). Such a note waits for a longer window.
  bool crowdedByRinging(int midi, std::size_t length, const Levels& levels) const {
    if (lastHeard < 0 || *pending - lastHeardAt > std::llround(kRingingSeconds * rate)) return false;
    const double close = kCrowdedBins * rate / static_cast<double>(length);
    const double f0 = noteHz(midi, a4), fp = noteHz(lastHeard, a4);
    bool near = false;
    for (int k = 1; k <= 2; ++k)
      for (int j = 1; j <= kCrowdingPartials; ++j) near = near || std::abs(k * f0 - j * fp) < close;
    return near && levels.before > kRingingShare * levels.after;
  }

  void processHop(const float* samples, std::vector<HeardNote>& heard) {
    level = rms(samples, hop);

    history.append(samples, hop);
    std::int64_t onset = 0;
    if (onsets.process(samples, onset)) {
      settlePending(heard);
      pending = std::max<std::int64_t>(onset, 0);
      lastOnset = *pending;
      nextEarly = 0;
      restartTuner = true;
    }

    std::memcpy(in->data, samples, hop * sizeof(float));
    aubio_pitch_do(pitch, in, out);
    const double hz = out->data[0];
    const double confidence = aubio_pitch_get_confidence(pitch);
    const bool voiced =
        hz > 0 && confidence >= kConfident && level >= kSilentLevel && inGuitarRange(exactPitch(hz, a4));
    const double exact = voiced ? exactPitch(hz, a4) : 0;

    if (const auto settled = change.feed(voiced ? exact : 0, history.end()); settled && !pending)
      startFromChange(*settled);
    tryEarly(heard);
    if (pending && history.end() >= *pending + static_cast<std::int64_t>(spectrum.windowLength()))
      settlePending(heard);
    followTuner(voiced, exact);
  }

  void followTuner(bool voiced, double exact) {
    if (!voiced) {
      if (tunerVoiced && history.end() - lastVoicedSample > std::llround(kTunerHoldSeconds * rate)) {
        tunerVoiced = false;
        tunerHistory.clear();
      }
      return;
    }
    lastVoicedSample = history.end();
    // As a low string rings its fundamental fades faster than its overtones, and YIN starts to
    // read the octave or the twelfth above. The string has not changed without a new pluck, so
    // such a reading is taken back down to the note already shown, once that note has held for
    // 100 ms (the first readings of a pluck may themselves be an octave off).
    if (tunerVoiced && !restartTuner && tunerSettledReadings >= 10) {
      for (double overtone : {12.0, 19.02, 24.0}) {
        if (std::abs(exact - tunerExact - overtone) < 0.5) {
          exact -= overtone;
          break;
        }
      }
    }
    // A new pluck or a jump to another note starts afresh rather than gliding there.
    if (!tunerVoiced || restartTuner || std::abs(exact - tunerExact) > 0.5) {
      tunerHistory.clear();
      tunerExact = exact;
      tunerVoiced = true;
      restartTuner = false;
      tunerSettledReadings = 0;
    }
    ++tunerSettledReadings;
    tunerHistory.push_back(exact);
    if (tunerHistory.size() > kTunerMedian) tunerHistory.pop_front();
    const double mid = median({tunerHistory.begin(), tunerHistory.end()});
    tunerExact += kTunerFollow * (mid - tunerExact);
  }
};

NoteListener::NoteListener(double sampleRate, double a4Hz)
    : state_(std::make_unique<State>(sampleRate, a4Hz)) {}
NoteListener::~NoteListener() = default;

std::vector<HeardNote> NoteListener::feed(const float* mono, std::size_t count) {
  std::vector<HeardNote> heard;
  state_->cutter.feed(mono, count, [&](const float* hop) { state_->processHop(hop, heard); });
  return heard;
}

std::vector<HeardNote> NoteListener::finish() {
  std::vector<HeardNote> heard;
  state_->settlePending(heard);
  return heard;
}

PitchReading NoteListener::pitch() const {
  PitchReading reading;
  reading.level = state_->level;
  if (!state_->tunerVoiced) return reading;
  reading.voiced = true;
  reading.hz = noteHz(state_->tunerExact, state_->a4);
  reading.midi = static_cast<int>(std::lround(state_->tunerExact));
  reading.cents = (state_->tunerExact - reading.midi) * 100.0;
  return reading;
}

void NoteListener::setReferenceA4(double a4Hz) {
  // The tuner's pitch is kept as a note number; the same sound is a different number now.
  if (state_->tunerVoiced) state_->tunerExact += 12.0 * std::log2(state_->a4 / a4Hz);
  for (double& d : state_->tunerHistory) d += 12.0 * std::log2(state_->a4 / a4Hz);
  state_->a4 = a4Hz;
}

double NoteListener::referenceA4() const {
  return state_->a4;
}

double NoteListener::sampleRate() const {
  return state_->rate;
}

void NoteListener::reset() {
  state_ = std::make_unique<State>(state_->rate, state_->a4);
}

}  // namespace strumly
