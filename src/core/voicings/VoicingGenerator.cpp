#include "core/voicings/VoicingGenerator.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdlib>
#include <set>

#include "core/voicings/VoicingRules.h"
#include "core/voicings/VoicingSeeds.h"

namespace strumly {

namespace {

constexpr int kHighestFret = 17;     // the dictionary keeps below the cutaway where it can
constexpr int kOpenWindowLimit = 2;  // open strings with first-position fingerings

struct Group {
  int fret;
  std::vector<int> strings;  // lowest string first
  bool indexBarre = false;   // the index finger can lie across all of them
};

// One way to hold a group: each unit is one finger, on one string or flat across neighbours.
struct GroupOption {
  std::vector<std::vector<int>> units;
  bool wholeIndexBarre = false;  // a barre over strings with higher fingers between: index only
  double cost = 0;
};

std::vector<Group> groupByFret(const FretPattern& frets) {
  std::vector<Group> groups;
  for (int s = kStringCount - 1; s >= 0; --s) {
    if (frets[s] <= 0) continue;
    auto it = std::find_if(groups.begin(), groups.end(), [&](const Group& g) { return g.fret == frets[s]; });
    if (it == groups.end()) {
      groups.push_back({frets[s], {s}});
    } else {
      it->strings.push_back(s);
    }
  }
  std::sort(groups.begin(), groups.end(), [](const Group& a, const Group& b) { return a.fret < b.fret; });
  for (auto& g : groups) {
    if (g.strings.size() < 2) continue;
    g.indexBarre = true;
    for (int s = g.strings.back() + 1; s < g.strings.front(); ++s)
      if (frets[s] < g.fret) g.indexBarre = false;
  }
  return groups;
}

std::vector<GroupOption> groupOptions(const Group& g, const FretPattern& frets) {
  // Runs of neighbouring strings at this fret.
  std::vector<std::vector<int>> runs;
  for (int s : g.strings) {
    if (!runs.empty() && runs.back().back() == s + 1) {
      runs.back().push_back(s);
    } else {
      runs.push_back({s});
    }
  }
  std::vector<GroupOption> options;
  const int m = static_cast<int>(runs.size());
  for (int mask = 0; mask < (1 << m); ++mask) {
    GroupOption o;
    bool useful = true;
    for (int r = 0; r < m; ++r) {
      const bool flat = (mask >> r) & 1;
      if (flat && runs[r].size() < 2) useful = false;
      if (flat) {
        o.units.push_back(runs[r]);
      } else {
        for (int s : runs[r]) o.units.push_back({s});
      }
    }
    if (!useful) continue;
    o.cost = 0.3 * static_cast<double>(o.units.size() - 1);
    // Separate fingers at one fret with higher-fretted strings between them: a few are the
    // usual hold (the open D), many ask for a barre instead.
    if (o.units.size() > 1) {
      for (int s = g.strings.back() + 1; s < g.strings.front(); ++s)
        if (frets[s] > g.fret) o.cost += 0.3;
    }
    options.push_back(std::move(o));
  }
  if (g.indexBarre && m > 1) {
    GroupOption o;
    o.units.push_back(g.strings);
    o.wholeIndexBarre = true;
    // A long barre is how the hand holds such a shape; over three strings separate fingers
    // are the usual choice when there are enough of them.
    o.cost = g.strings.front() - g.strings.back() + 1 >= 4 ? 0.4 : 1.4;
    options.push_back(std::move(o));
  }
  return options;
}

}  // namespace

std::optional<std::array<std::uint8_t, kStringCount>> assignFingers(const FretPattern& frets) {
  const std::vector<Group> groups = groupByFret(frets);
  const int g = static_cast<int>(groups.size());
  std::array<std::uint8_t, kStringCount> fingers{};
  for (int s = 0; s < kStringCount; ++s) fingers[s] = frets[s] < 0 ? kFingerMuted : kFingerOpen;
  if (g == 0) return fingers;
  if (g > 4) return std::nullopt;
  const int lowFret = groups.front().fret;

  std::vector<std::vector<GroupOption>> options;
  options.reserve(groups.size());
  for (const auto& group : groups) options.push_back(groupOptions(group, frets));

  double bestCost = 1e9;
  std::vector<const GroupOption*> bestChoice;
  std::vector<int> bestStart;
  std::vector<const GroupOption*> choice(static_cast<std::size_t>(g));
  std::vector<int> start(static_cast<std::size_t>(g));

  // Place the groups' first fingers on 1..4, rising, and keep the cheapest way to hold them.
  auto place = [&](auto&& self, int k, int next) -> void {
    if (k == g) {
      double cost = 0;
      for (int i = 0; i < g; ++i) {
        const GroupOption& o = *choice[i];
        if (o.wholeIndexBarre && start[i] != 1) return;
        for (std::size_t u = 0; u < o.units.size(); ++u) {
          const int finger = start[i] + static_cast<int>(u);
          const auto width = static_cast<int>(o.units[u].size());
          if (finger != 1 && width > (finger == 3 && choice[0]->units[0].size() > 1 && start[0] == 1 ? 3 : 2))
            return;
        }
        if (i > 0) {
          const int lastFinger = start[i - 1] + static_cast<int>(choice[i - 1]->units.size()) - 1;
          if (groups[i].fret - groups[i - 1].fret > start[i] - lastFinger + 1) return;
        }
        cost += 0.5 * std::abs(start[i] - (1 + groups[i].fret - lowFret));
        cost += o.cost;
        if (!o.wholeIndexBarre) {
          for (std::size_t u = 0; u < o.units.size(); ++u) {
            const auto width = static_cast<double>(o.units[u].size());
            if (width < 2) continue;
            cost += start[i] + static_cast<int>(u) == 1 ? 0.2 + 0.3 * (width - 2) : 0.8;
          }
        }
      }
      if (cost < bestCost) {
        bestCost = cost;
        bestChoice = choice;
        bestStart = start;
      }
      return;
    }
    for (const auto& o : options[k]) {
      const int n = static_cast<int>(o.units.size());
      choice[k] = &o;
      for (int a = next; a + n - 1 <= 4; ++a) {
        start[k] = a;
        self(self, k + 1, a + n);
      }
    }
  };
  place(place, 0, 1);
  if (bestChoice.empty()) return std::nullopt;

  for (int k = 0; k < g; ++k) {
    const auto& units = bestChoice[k]->units;
    for (std::size_t u = 0; u < units.size(); ++u)
      for (int s : units[u]) fingers[s] = static_cast<std::uint8_t>(bestStart[k] + static_cast<int>(u));
  }
  return fingers;
}

std::optional<VoicingRecord> makeVoicing(const FretPattern& frets) {
  const auto fingers = assignFingers(frets);
  if (!fingers) return std::nullopt;
  VoicingRecord v;
  for (int s = 0; s < kStringCount; ++s)
    v.strings[s] = {static_cast<std::uint8_t>(std::max(frets[s], 0)), (*fingers)[s]};
  v.beginFret = usualBeginFret(v);
  return v;
}

namespace {

struct Candidate {
  VoicingRecord voicing;
  FretPattern frets;
  double score = 0;
  int position = 0;
  int region = 0;
  int bassString = 0;
  bool rootBass = false;
  bool hasOpen = false;
};

class Search {
 public:
  Search(const ChordTypeDefinition& type, PitchClass key, bool wide)
      : type_(type), key_(key), need_(toneRequirement(type)), wide_(wide) {}

  std::vector<Candidate> run(const std::vector<FretPattern>& seeds) {
    for (const auto& s : seeds) consider(s, true);
    for (int window = 1; window + 3 <= kHighestFret; ++window) search(window);
    // The densest altered chords have few shapes; then open strings higher up and the top of
    // the neck join in.
    const auto rootBass =
        std::count_if(found_.begin(), found_.end(), [](const Candidate& c) { return c.rootBass; });
    if (wide_ || found_.size() < 2 * kVoicingsPerChord || rootBass < 4) {
      openAnywhere_ = true;
      for (int window = 1; window + 3 <= kFretCount; ++window) search(window);
    }
    return std::move(found_);
  }

 private:
  bool chordTone(int pitch) const { return (need_.allowed >> pitchClassOf(pitch - key_)) & 1; }

  void search(int window) {
    FretPattern f{};
    walk(f, kStringCount - 1, window);
  }

  // Strings from the lowest up; every candidate's lowest fretted fret is the window start, so
  // each fret pattern is met in exactly one window.
  void walk(FretPattern& f, int s, int window) {
    if (s < 0) {
      int low = 99;
      for (int x : f)
        if (x > 0) low = std::min(low, x);
      if (low == window || (low == 99 && window == 1)) consider(f, false);
      return;
    }
    f[s] = -1;
    walk(f, s - 1, window);
    if ((openAnywhere_ || window <= kOpenWindowLimit) && chordTone(kStandardTuning[s])) {
      f[s] = 0;
      walk(f, s - 1, window);
    }
    for (int fret = window; fret <= window + 3; ++fret) {
      if (!chordTone(kStandardTuning[s] + fret)) continue;
      f[s] = fret;
      walk(f, s - 1, window);
    }
  }

  void consider(const FretPattern& f, bool seed) {
    int sounding = 0;
    for (int x : f)
      if (x >= 0) ++sounding;
    if (sounding < 4 && !seed) return;
    if (!seen_.insert(f).second) return;
    const auto v = makeVoicing(f);
    if (!v || !checkVoicing(*v, type_, key_).empty()) return;
    Candidate c;
    c.voicing = *v;
    c.frets = f;
    c.position = neckPosition(*v);
    c.region = neckRegion(*v);
    c.bassString = v->bassString();
    c.rootBass = hasRootInBass(*v, key_);
    c.hasOpen = std::find(f.begin(), f.end(), 0) != f.end();
    c.score = score(*v, f, sounding) + (seed ? 80.0 : 0.0);
    found_.push_back(c);
  }

  double score(const VoicingRecord& v, const FretPattern& f, int sounding) const {
    double sc = 0;
    const int bass = v.bassString();
    const int bassInterval = pitchClassOf(v.pitch(bass) - key_);
    if (bassInterval == 0) {
      sc += 40;
    } else if (bassInterval == 3 || bassInterval == 4 || bassInterval == 7) {
      sc += 8;
    }
    static constexpr double kStringsScore[] = {0, 0, 0, 0, 8, 12, 14};
    sc += kStringsScore[sounding];
    sc += 4.0 * std::popcount(soundingIntervals(v, key_));
    int low = 99, high = 0, fingers = 0, opens = 0, barres = 0;
    std::array<int, 5> perFinger{};
    for (int s = 0; s < kStringCount; ++s) {
      if (f[s] == 0) ++opens;
      if (f[s] > 0) {
        low = std::min(low, f[s]);
        high = std::max(high, f[s]);
        ++perFinger[v.strings[s].finger];
      }
    }
    for (int k = 1; k <= 4; ++k) {
      if (perFinger[k]) ++fingers;
      if (perFinger[k] > 1) ++barres;
    }
    if (high > 0) sc -= 1.5 * (high - low);
    sc -= fingers + 2.0 * barres;
    // Open strings ring in first position; above it they are a special effect.
    sc += (high <= 4 ? 1.5 : -2.0) * opens;
    if (isDropShapeGap(v)) sc -= 6;
    // Fingers that zigzag across the strings twist the hand (an index barre lies under the rest).
    int previous = 0, direction = 0, turns = 0;
    for (int s = kStringCount - 1; s >= 0; --s) {
      const int finger = v.strings[s].finger;
      if (finger < 1 || finger > 4 || (finger == 1 && perFinger[1] > 1)) continue;
      if (previous && finger != previous) {
        const int d = finger > previous ? 1 : -1;
        if (direction && d != direction) ++turns;
        direction = d;
      }
      previous = finger;
    }
    if (turns > 1) sc -= 4.0 * (turns - 1);
    // Close intervals low down sound muddy; seconds anywhere blur the chord.
    std::vector<int> pitches;
    for (int s = 0; s < kStringCount; ++s)
      if (v.sounds(s)) pitches.push_back(v.pitch(s));
    std::sort(pitches.begin(), pitches.end());
    for (std::size_t i = 1; i < pitches.size(); ++i) {
      const int gap = pitches[i] - pitches[i - 1];
      if (pitches[i - 1] < 45 && gap < 5) sc -= 6;
      if (gap <= 2) sc -= (pitches[i - 1] < 52 ? 7 : 3);
    }
    sc -= 0.2 * neckPosition(v);
    if (high > 12) sc -= 2;
    if (high > 15) sc -= 6;
    return sc;
  }

  const ChordTypeDefinition& type_;
  PitchClass key_;
  ToneRequirement need_;
  bool wide_ = false;
  bool openAnywhere_ = false;
  std::set<FretPattern> seen_;
  std::vector<Candidate> found_;
};

int differingStrings(const FretPattern& a, const FretPattern& b) {
  int d = 0;
  for (int s = 0; s < kStringCount; ++s)
    if (a[s] != b[s]) ++d;
  return d;
}

// Six voicings: the best root-position chord at the lowest position first, then the best of
// the rest, rewarding regions and bass strings not yet shown.
VoicingSet choose(std::vector<Candidate> all) {
  std::sort(all.begin(), all.end(), [](const Candidate& a, const Candidate& b) { return a.score > b.score; });
  std::vector<const Candidate*> chosen;
  int firstRegion = 99;
  for (const auto& c : all)
    if (c.rootBass) firstRegion = std::min(firstRegion, c.region);
  for (const auto& c : all)
    if (c.rootBass && c.region == firstRegion) {
      chosen.push_back(&c);
      break;
    }
  if (chosen.empty() && !all.empty()) chosen.push_back(&all.front());
  const int floor = chosen.empty() ? 0 : chosen.front()->position;

  while (chosen.size() < kVoicingsPerChord) {
    std::set<int> regions;
    int rootCount = 0;
    for (const auto* c : chosen) {
      regions.insert(c->region);
      rootCount += c->rootBass;
    }
    const int left = kVoicingsPerChord - static_cast<int>(chosen.size());
    const bool needRoot = left <= 4 - rootCount;
    const bool needRegion =
        static_cast<int>(regions.size()) < 3 && left <= 3 - static_cast<int>(regions.size());
    const Candidate* best = nullptr;
    double bestValue = -1e9;
    for (int pass = 0; pass < 3 && !best; ++pass) {
      // When nothing meets both demands the region demand goes first, then the root's.
      for (const auto& c : all) {
        if (!c.rootBass && c.position < floor) continue;
        if (std::find(chosen.begin(), chosen.end(), &c) != chosen.end()) continue;
        if (pass < 2 && needRoot && !c.rootBass) continue;
        if (pass == 0 && needRegion && regions.count(c.region)) continue;
        double value = c.score - (c.rootBass ? 0 : 20);
        if (regions.size() < 3 && !regions.count(c.region)) value += 25;
        for (const auto* o : chosen) {
          if (differingStrings(o->frets, c.frets) <= 1) value -= 40;
          if (o->bassString == c.bassString && std::abs(o->position - c.position) <= 2) value -= 15;
        }
        if (value > bestValue) {
          bestValue = value;
          best = &c;
        }
      }
    }
    if (!best) break;
    chosen.push_back(best);
  }
  std::stable_sort(chosen.begin(), chosen.end(), [](const Candidate* a, const Candidate* b) {
    if (a->position != b->position) return a->position < b->position;
    if (a->rootBass != b->rootBass) return a->rootBass;
    if (a->hasOpen != b->hasOpen) return a->hasOpen;
    return a->bassString > b->bassString;
  });
  VoicingSet set{};
  for (std::size_t i = 0; i < chosen.size(); ++i) set[i] = chosen[i]->voicing;
  return set;
}

}  // namespace

namespace {

std::vector<Candidate> searchCandidates(int dictionaryIndex, PitchClass key, bool wide) {
  const auto& type = chordTypeDefinitions()[static_cast<std::size_t>(dictionaryIndex)];
  Search search(type, key, wide);
  return search.run(canonicalShapes(dictionaryIndex, key));
}

}  // namespace

std::vector<VoicingCandidate> voicingCandidates(int dictionaryIndex, PitchClass key) {
  auto all = searchCandidates(dictionaryIndex, key, true);
  std::sort(all.begin(), all.end(), [](const Candidate& a, const Candidate& b) { return a.score > b.score; });
  std::vector<VoicingCandidate> out;
  out.reserve(all.size());
  for (const auto& c : all) out.push_back({c.voicing, c.score, c.rootBass});
  return out;
}

VoicingSet generateVoicings(int dictionaryIndex, PitchClass key) {
  VoicingSet set = choose(searchCandidates(dictionaryIndex, key, false));
  if (checkVoicingSet(set, key).empty()) return set;
  // Too few different shapes low on the neck: look again with open strings higher up and the
  // frets up to the top, and keep whichever set keeps more of the rules.
  VoicingSet wide = choose(searchCandidates(dictionaryIndex, key, true));
  return checkVoicingSet(wide, key).size() < checkVoicingSet(set, key).size() ? wide : set;
}

std::vector<VoicingSet> generateVoicingTable() {
  std::vector<VoicingSet> table;
  table.reserve(kChordTypeCount * kKeyCount);
  for (int t = 0; t < kChordTypeCount; ++t)
    for (int k = 0; k < kKeyCount; ++k) table.push_back(generateVoicings(t, static_cast<PitchClass>(k)));
  return table;
}

}  // namespace strumly
