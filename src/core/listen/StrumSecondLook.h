#pragma once
// A second look at a strum the pursuit has heard, over what the strum added (its spectrum less
// all that rang before it) rather than the whitened peaks: a note that stands out on its own is
// added, and a note that is only a missed lower note's partial gives way to that note. Internal
// to listen/.
#include <cstddef>
#include <vector>

#include "core/listen/ChordSpectrum.h"

namespace strumly::listen {

class StrumSecondLook {
 public:
  // `added`: magnitudes binHz apart, looked at from bin `firstBin` on; `windowSeconds`: the
  // window they were taken over.
  StrumSecondLook(std::vector<double> added, std::size_t firstBin, double binHz, double windowSeconds, double a4Hz);

  // Notes whose fundamental is a string's narrow peak at least half the strum's strongest (or a
  // fifth of it, with the second partial a narrow peak too), on no heard note's partials, as long
  // as the set stays playable.
  void addNotesStandingOut(HeardSet& set) const;
  // A heard note alone of its pitch class, on the 3rd or 5th partial of a lower note that was not
  // heard but whose pitch class was, gives way to that lower note when its fundamental is a
  // narrow peak that no heard lower note's partial explains.
  void lowerNotesForTheirPartials(HeardSet& set) const;

 private:
  double peakAt(double hz) const;
  // The fundamentals of the heard notes below `below`.
  std::vector<double> fundamentalsBelow(const HeardSet& set, int below) const;
  std::vector<double> added_;
  double binHz_;
  std::size_t lobe_;
  double a4_;
  double strongest_ = 0;
};

}  // namespace strumly::listen
