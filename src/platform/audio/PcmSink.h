#pragma once
// Where the player's frames go: an output that blocks on write as a sound card does. ALSA in the
// program; a paced fake in tests.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace strumly {

class PcmSink {
 public:
  virtual ~PcmSink() = default;
  // Opens the output if needed and sets the format; false when there is no output to open.
  virtual bool configure(int sampleRate, int channels, int bitsPerSample) = 0;
  // Prepares for a new clip after a drop.
  virtual void prepare() = 0;
  // Frames taken (may block while the output's buffer is full); negative on an error.
  virtual long write(const std::uint8_t* frames, std::size_t count) = 0;
  // Frames written but not yet sounded.
  virtual long pendingFrames() = 0;
  // Throws away what is buffered, at once.
  virtual void drop() = 0;
};

// The ALSA output named `device` ("default", "null", "hw:0"...).
std::unique_ptr<PcmSink> makeAlsaSink(std::string device);

}  // namespace strumly
