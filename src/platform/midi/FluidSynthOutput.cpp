#include "platform/midi/FluidSynthOutput.h"

#include <alsa/asoundlib.h>
#include <fluidsynth.h>

#include <algorithm>
#include <cmath>

namespace strumly {

namespace {

// The sequencer counts in tenths of a millisecond: fine enough to place a note within a sample
// block, and its 32-bit tick lasts for days.
constexpr double kSequencerUnitsPerSecond = 10000.0;
constexpr double kSampleRate = 44100.0;
// Rendered in small periods so a scheduled note is never held back by a long buffer.
constexpr int kPeriodSize = 256;
constexpr int kPeriods = 2;
// Notes go to the synth this far ahead of their sounding time; it must cover a render period and
// the clock thread's lateness, and is the same for every note, so it adds latency but no jitter.
constexpr double kLookaheadMillis = 20.0;
// When the sample clock and the system clock have wandered apart by more than this, re-anchor.
constexpr double kResyncMillis = 40.0;

std::mutex logMutex;
std::string lastError;

void keepError(int, const char* message, void*) {
  std::lock_guard lock(logMutex);
  lastError = message != nullptr ? message : "";
}
void dropMessage(int, const char*, void*) {}

void quietAlsa(const char*, int, const char*, int, const char*, ...) {}

// alsa-lib writes every step of a failed device search to stderr; a machine without a sound
// card is an expected case here, reported through the status text instead.
class QuietAlsaErrors {
 public:
  QuietAlsaErrors() { snd_lib_error_set_handler(quietAlsa); }
  ~QuietAlsaErrors() { snd_lib_error_set_handler(nullptr); }
};

}  // namespace

void quietFluidSynthLogs() {
  static std::once_flag once;
  std::call_once(once, [] {
    fluid_set_log_function(FLUID_PANIC, keepError, nullptr);
    fluid_set_log_function(FLUID_ERR, keepError, nullptr);
    fluid_set_log_function(FLUID_WARN, dropMessage, nullptr);
    fluid_set_log_function(FLUID_INFO, dropMessage, nullptr);
    fluid_set_log_function(FLUID_DBG, dropMessage, nullptr);
  });
}

std::string lastFluidSynthError() {
  std::lock_guard lock(logMutex);
  return lastError;
}

FluidSynthInstance::FluidSynthInstance(const std::string& soundFontPath, double sampleRate, int cpuCores) {
  quietFluidSynthLogs();
  settings_ = new_fluid_settings();
  fluid_settings_setnum(settings_, "synth.sample-rate", sampleRate);
  fluid_settings_setint(settings_, "synth.cpu-cores", std::max(1, cpuCores));
  fluid_settings_setint(settings_, "audio.period-size", kPeriodSize);
  fluid_settings_setint(settings_, "audio.periods", kPeriods);
  fluid_settings_setstr(settings_, "audio.pulseaudio.media-role", "music");
  // Load sample data only for the instruments a channel selects: a General MIDI font is ~140 MB,
  // of which a guitar lesson uses a few programs.
  fluid_settings_setint(settings_, "synth.dynamic-sample-loading", 1);
  synth_ = new_fluid_synth(settings_);
  if (synth_ != nullptr && !soundFontPath.empty()) {
    soundFontId_ = fluid_synth_sfload(synth_, soundFontPath.c_str(), 1);
  }
}

FluidSynthInstance::~FluidSynthInstance() {
  if (synth_ != nullptr) delete_fluid_synth(synth_);
  if (settings_ != nullptr) delete_fluid_settings(settings_);
}

void FluidSynthInstance::apply(const ShortMessage& m) {
  if (synth_ == nullptr) return;
  const int channel = m.channel();
  switch (m.status & 0xF0) {
    case 0x80:
      fluid_synth_noteoff(synth_, channel, m.data1 & 0x7F);
      break;
    case 0x90:
      if (m.data2 == 0) {
        fluid_synth_noteoff(synth_, channel, m.data1 & 0x7F);
      } else {
        fluid_synth_noteon(synth_, channel, m.data1 & 0x7F, m.data2 & 0x7F);
      }
      break;
    case 0xA0:
      fluid_synth_key_pressure(synth_, channel, m.data1 & 0x7F, m.data2 & 0x7F);
      break;
    case 0xB0:
      fluid_synth_cc(synth_, channel, m.data1 & 0x7F, m.data2 & 0x7F);
      break;
    case 0xC0:
      fluid_synth_program_change(synth_, channel, m.data1 & 0x7F);
      break;
    case 0xD0:
      fluid_synth_channel_pressure(synth_, channel, m.data1 & 0x7F);
      break;
    case 0xE0:
      fluid_synth_pitch_bend(synth_, channel, (m.data1 & 0x7F) | ((m.data2 & 0x7F) << 7));
      break;
    default:
      break;
  }
}

namespace {

// Sets `event` to the sequencer form of a channel message; false for anything else.
bool toSequencerEvent(const ShortMessage& m, fluid_event_t* event) {
  const int channel = m.channel();
  switch (m.status & 0xF0) {
    case 0x80:
      fluid_event_noteoff(event, channel, m.data1 & 0x7F);
      return true;
    case 0x90:
      if (m.data2 == 0) {
        fluid_event_noteoff(event, channel, m.data1 & 0x7F);
      } else {
        fluid_event_noteon(event, channel, m.data1 & 0x7F, m.data2 & 0x7F);
      }
      return true;
    case 0xA0:
      fluid_event_key_pressure(event, channel, m.data1 & 0x7F, m.data2 & 0x7F);
      return true;
    case 0xB0:
      fluid_event_control_change(event, channel, m.data1 & 0x7F, m.data2 & 0x7F);
      return true;
    case 0xC0:
      fluid_event_program_change(event, channel, m.data1 & 0x7F);
      return true;
    case 0xD0:
      fluid_event_channel_pressure(event, channel, m.data1 & 0x7F);
      return true;
    case 0xE0:
      fluid_event_pitch_bend(event, channel, (m.data1 & 0x7F) | ((m.data2 & 0x7F) << 7));
      return true;
    default:
      return false;
  }
}

}  // namespace

FluidSynthOutput::FluidSynthOutput(const std::string& soundFontPath, bool withAudio)
    : synth_(soundFontPath, kSampleRate), withAudio_(withAudio) {
  if (synth_.synth() == nullptr || !withAudio) return;
  const QuietAlsaErrors quiet;
  for (const char* name : {"pulseaudio", "alsa"}) {
    fluid_settings_setstr(synth_.settings(), "audio.driver", name);
    driver_ = new_fluid_audio_driver(synth_.settings(), synth_.synth());
    if (driver_ != nullptr) {
      audioDriverName_ = name;
      break;
    }
  }
  if (driver_ == nullptr) return;  // no sound card: events go straight to the silent synth
  sequencer_ = new_fluid_sequencer2(0);
  fluid_sequencer_set_time_scale(sequencer_, kSequencerUnitsPerSecond);
  synthClient_ = fluid_sequencer_register_fluidsynth(sequencer_, synth_.synth());
  event_ = new_fluid_event();
  fluid_event_set_source(event_, -1);
  fluid_event_set_dest(event_, synthClient_);
  lookaheadUnits_ = kLookaheadMillis * kSequencerUnitsPerSecond / 1000.0;
}

FluidSynthOutput::~FluidSynthOutput() {
  // The driver calls into the synth and the sequencer: it goes first.
  if (driver_ != nullptr) delete_fluid_audio_driver(driver_);
  if (event_ != nullptr) delete_fluid_event(event_);
  if (sequencer_ != nullptr) delete_fluid_sequencer(sequencer_);
}

std::string FluidSynthOutput::statusText(bool hasSoundFont, bool hasAudio) {
  if (!hasSoundFont) {
    return "No General MIDI soundfont was found, so the built-in synth is silent. Install the "
           "package fluid-soundfont-gm or name a soundfont in STRUMLY_SOUNDFONT.";
  }
  if (!hasAudio) return "No sound output is available, so the built-in synth plays silently.";
  return {};
}

unsigned FluidSynthOutput::sequencerTimeFor(std::int64_t dueMicros, std::int64_t nowMicros) {
  const double unitsPerMicro = kSequencerUnitsPerSecond / 1e6;
  const double sequencerNow = fluid_sequencer_get_tick(sequencer_);
  const double expectedNow = anchorSequencerTime_ + (nowMicros - anchorMicros_) * unitsPerMicro;
  // The sequencer's time moves in whole render periods; anchoring once and following the system
  // clock keeps the spacing of the notes exact. Anchor again only when the two clocks have
  // clearly parted (first note, or after the sound server stalled).
  if (!anchored_ ||
      std::abs(expectedNow - sequencerNow) > kResyncMillis * kSequencerUnitsPerSecond / 1000.0) {
    anchored_ = true;
    anchorMicros_ = nowMicros;
    anchorSequencerTime_ = sequencerNow;
  }
  const double at = anchorSequencerTime_ + (dueMicros - anchorMicros_) * unitsPerMicro + lookaheadUnits_;
  return at <= sequencerNow ? static_cast<unsigned>(sequencerNow) : static_cast<unsigned>(std::llround(at));
}

void FluidSynthOutput::play(const MidiDispatch& dispatch) {
  if (sequencer_ == nullptr) {
    synth_.apply(dispatch.message);
    return;
  }
  std::lock_guard lock(mutex_);
  if (!toSequencerEvent(dispatch.message, event_)) return;
  fluid_sequencer_send_at(sequencer_, event_, sequencerTimeFor(dispatch.dueMicros, dispatch.nowMicros), 1);
}

void FluidSynthOutput::playNow(const ShortMessage& message) {
  synth_.apply(message);
}

void FluidSynthOutput::silence(std::uint16_t channelMask) {
  if (sequencer_ != nullptr) {
    std::lock_guard lock(mutex_);
    fluid_sequencer_remove_events(sequencer_, -1, synthClient_, -1);
  }
  for (int channel = 0; channel < 16; ++channel) {
    if ((channelMask & (1u << channel)) != 0 && synth_.synth() != nullptr) {
      fluid_synth_all_notes_off(synth_.synth(), channel);
    }
  }
}

}  // namespace strumly
