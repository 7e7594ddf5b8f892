#include "core/listen/FftwPlanner.h"

namespace strumly::listen {

std::mutex& fftwPlanner() {
  static std::mutex m;
  return m;
}

}  // namespace strumly::listen
