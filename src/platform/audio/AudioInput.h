#pragma once
// Where Listen and the tuner get the student's playing from: mono float blocks of at most 10 ms,
// handed over on a capture thread of the input's own. The program captures from the desktop's
// sound server and falls back to ALSA; tests feed samples through a fake behind this interface.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace strumly {

struct AudioSourceInfo {
  std::string id;           // what `start` takes and Kv.ini keeps; empty: the system default source
  std::string description;  // what the user sees
};

class AudioInput {
 public:
  // Both run on the capture thread, never on the caller's. A block is `count` mono samples.
  using BlockHandler = std::function<void(const float* samples, std::size_t count)>;
  // Called at most once a start, when the device stopped delivering (unplugged, server gone);
  // capture has ended by then.
  using LostHandler = std::function<void(const std::string& reason)>;

  virtual ~AudioInput() = default;
  // Empty when something can be captured from; otherwise why not, in a sentence for a tooltip.
  virtual std::string unavailableReason() = 0;
  // The sources to choose from, the system default first (its id empty).
  virtual std::vector<AudioSourceInfo> sources() = 0;
  // Starts capturing from `sourceId` (a running capture is stopped first). False with `error()`
  // set when the source cannot be opened.
  virtual bool start(const std::string& sourceId, BlockHandler onBlock, LostHandler onLost) = 0;
  // Ends the capture and waits for the capture thread; no handler runs after it returns. Not to be
  // called from a handler.
  virtual void stop() = 0;
  virtual bool isRunning() const = 0;
  virtual int sampleRate() const = 0;  // of the running (or last) capture
  virtual std::string error() const = 0;
};

}  // namespace strumly
