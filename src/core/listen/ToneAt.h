#pragma once
// The complex amplitude of one frequency over a tapered frame of samples: a single bin of a
// Fourier transform, for following one partial through a strum without a whole spectrum.
#include <complex>
#include <cstdint>
#include <span>
#include <vector>

namespace strumly::listen {

// A Hann taper of `length` samples.
std::vector<double> hannTaper(std::size_t length);

// The tapered sum of `samples` from number `first` on, turned down by `hz`; its phase is measured
// from sample 0, so a steady partial gives the same value in every frame. Samples outside
// `samples` count as silence.
std::complex<double> toneAt(std::span<const float> samples, std::int64_t first, std::span<const double> taper,
                            double hz, double sampleRate);

}  // namespace strumly::listen
