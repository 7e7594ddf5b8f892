#pragma once
// FFTW's planner is not re-entrant, and every part that makes or destroys plans (the onset
// detector, the strum spectra, the play-along scorer) may do so on a thread of its own: they all
// take this one lock.
#include <mutex>

namespace strumly::listen {

std::mutex& fftwPlanner();

}  // namespace strumly::listen
