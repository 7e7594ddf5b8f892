#pragma once
// The built-in synth: FluidSynth in this process with a General MIDI soundfont, sounding through
// PulseAudio (which also serves PipeWire) or ALSA. Without a sound card it keeps taking events
// and stays silent; without a soundfont it says so in its status.
#include <cstdint>
#include <mutex>
#include <string>

#include "core/midi/MidiOutput.h"

struct _fluid_hashtable_t;
struct _fluid_synth_t;
struct _fluid_audio_driver_t;
struct _fluid_sequencer_t;
struct _fluid_event_t;

namespace strumly {

// FluidSynth reports through global log hooks; keep its chatter off the terminal and remember
// the last error for a status text. Safe to call often.
void quietFluidSynthLogs();
std::string lastFluidSynthError();

// The parts of a FluidSynth instance every user needs: settings, synth and loaded soundfont.
class FluidSynthInstance {
 public:
  // `cpuCores` above 1 renders voices on that many threads: worth it offline, where only the
  // throughput counts; the live synth keeps one so its audio thread never waits on others.
  FluidSynthInstance(const std::string& soundFontPath, double sampleRate, int cpuCores = 1);
  ~FluidSynthInstance();
  FluidSynthInstance(const FluidSynthInstance&) = delete;
  FluidSynthInstance& operator=(const FluidSynthInstance&) = delete;

  _fluid_hashtable_t* settings() const { return settings_; }
  _fluid_synth_t* synth() const { return synth_; }
  bool hasSoundFont() const { return soundFontId_ >= 0; }

  // Applies a channel message to the synth at once.
  void apply(const ShortMessage& message);

 private:
  _fluid_hashtable_t* settings_ = nullptr;
  _fluid_synth_t* synth_ = nullptr;
  int soundFontId_ = -1;
};

class FluidSynthOutput final : public MidiOutput {
 public:
  // `soundFontPath` may be empty (no soundfont found); `withAudio` false keeps it off the sound card.
  FluidSynthOutput(const std::string& soundFontPath, bool withAudio = true);
  ~FluidSynthOutput() override;

  bool hasSoundFont() const { return synth_.hasSoundFont(); }
  bool hasAudio() const { return driver_ != nullptr; }
  const std::string& audioDriverName() const { return audioDriverName_; }
  // Empty when all is well, else one sentence for the user.
  std::string status() const { return statusText(hasSoundFont(), !withAudio_ || hasAudio()); }
  static std::string statusText(bool hasSoundFont, bool hasAudio);

  void play(const MidiDispatch& dispatch) override;
  void playNow(const ShortMessage& message) override;
  void silence(std::uint16_t channelMask) override;

 private:
  unsigned sequencerTimeFor(std::int64_t dueMicros, std::int64_t nowMicros);

  FluidSynthInstance synth_;
  bool withAudio_;
  _fluid_audio_driver_t* driver_ = nullptr;
  std::string audioDriverName_;
  _fluid_sequencer_t* sequencer_ = nullptr;
  short synthClient_ = -1;
  _fluid_event_t* event_ = nullptr;
  std::mutex mutex_;
  // Maps the clock's microseconds onto the sequencer's time, which follows the samples rendered.
  bool anchored_ = false;
  std::int64_t anchorMicros_ = 0;
  double anchorSequencerTime_ = 0.0;
  double lookaheadUnits_ = 0.0;
};

}  // namespace strumly
