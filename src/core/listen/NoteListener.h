#pragma once
// Hears single notes: fed blocks of mono samples, it reports each note's onset with its pitch,
// and keeps the steady pitch of the sounding note for a tuner. Onsets come from a spectral-flux
// detector of its own over FFTW, pitch from aubio's YIN; docs/listening.md describes the stages.
//
// Not thread-safe: feed, finish, pitch and the setters are called from one thread (the one
// that receives the samples); hand the results over to other threads by value.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/listen/HeardEvents.h"

namespace strumly {

class NoteListener {
 public:
  // Any common rate (22050..192000). A4 within 400..480 Hz.
  explicit NoteListener(double sampleRate, double a4Hz = 440.0);
  ~NoteListener();
  NoteListener(const NoteListener&) = delete;
  NoteListener& operator=(const NoteListener&) = delete;

  // Blocks of any size. Returns the notes whose pitch became known in this block, oldest first;
  // a note is reported once, 30-50 ms after its onset from D4 up; below that as soon when the
  // period of the sound confirms its spectrum, else up to 70 ms, as the low strings' partials need
  // a longer window to be told apart (its `ms` is the onset). A note that came in too softly for an
  // onset is reported once the pitch has settled on it, up to about 300 ms after it began.
  std::vector<HeardNote> feed(const float* mono, std::size_t count);
  // The end of the input: reports a note whose onset was found but whose pitch was still being
  // confirmed.
  std::vector<HeardNote> finish();

  // The pitch of the sounding note, smoothed so a steady tone holds within a cent; follows a new
  // pluck within 100 ms.
  PitchReading pitch() const;

  void setReferenceA4(double a4Hz);
  double referenceA4() const;
  double sampleRate() const;
  // Forgets everything heard; times count from the next sample fed.
  void reset();

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace strumly
