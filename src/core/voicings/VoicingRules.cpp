#include "core/voicings/VoicingRules.h"

#include <algorithm>
#include <bit>
#include <set>

namespace strumly {

std::string_view ruleName(VoicingRule rule) {
  switch (rule) {
    case VoicingRule::RecordCodes:
      return "record codes";
    case VoicingRule::ChordTonesOnly:
      return "non-chord tone";
    case VoicingRule::RequiredTones:
      return "missing chord tone";
    case VoicingRule::FretSpan:
      return "span over four frets";
    case VoicingRule::DiagramRows:
      return "outside the diagram rows";
    case VoicingRule::Fingering:
      return "unplayable fingering";
    case VoicingRule::InnerMutedString:
      return "muted inner string";
    case VoicingRule::FirstNotRoot:
      return "voicing 1 not on the root";
    case VoicingRule::TooFewRootBass:
      return "fewer than four root-bass voicings";
    case VoicingRule::Duplicate:
      return "duplicate voicing";
    case VoicingRule::NotAscending:
      return "not ordered up the neck";
    case VoicingRule::TooFewRegions:
      return "fewer than three neck regions";
  }
  return "?";
}

namespace {

bool hasInterval(const ChordTypeDefinition& t, int i) {
  return std::find(t.intervals.begin(), t.intervals.end(), i) != t.intervals.end();
}

int toneCount(const ChordTypeDefinition& t) {
  return static_cast<int>(
      std::count_if(t.intervals.begin(), t.intervals.end(), [](auto i) { return i != 255; }));
}

bool isFretted(const StringFret& sf) {
  return sf.finger >= 1 && sf.finger <= 4;
}

}  // namespace

ToneRequirement toneRequirement(const ChordTypeDefinition& type) {
  ToneRequirement r;
  for (auto i : type.intervals)
    if (i != 255) r.allowed |= static_cast<std::uint16_t>(1u << (i % 12));
  r.required = r.allowed;
  const bool hasSeventh = hasInterval(type, 10) || hasInterval(type, 11);
  const int tones = toneCount(type);
  // A bare triad, a sixth chord or an add9 without its fifth reads as another chord.
  if (tones >= 5 || (tones == 4 && hasSeventh)) r.required &= ~(1u << 7);
  const std::string_view name = type.name;
  const bool thirteenth = name.find("13") != std::string_view::npos;
  const bool eleventh =
      name.find("11") != std::string_view::npos && name.find("#11") == std::string_view::npos;
  const bool hasThird = hasInterval(type, 3) || hasInterval(type, 4);
  if (thirteenth || eleventh) r.required &= ~(1u << 2);  // the natural ninth under an 11th or 13th
  if (thirteenth && hasThird) r.required &= ~(1u << 5);  // the natural eleventh under a 13th
  return r;
}

std::uint16_t soundingIntervals(const VoicingRecord& v, PitchClass root) {
  std::uint16_t mask = 0;
  for (int s = 0; s < kStringCount; ++s)
    if (v.sounds(s)) mask |= static_cast<std::uint16_t>(1u << pitchClassOf(v.pitch(s) - root));
  return mask;
}

int neckPosition(const VoicingRecord& v) {
  int low = 99;
  for (int s = 0; s < kStringCount; ++s)
    if (v.isFretted(s)) low = std::min(low, static_cast<int>(v.strings[s].fret));
  return low == 99 ? 0 : low;
}

int neckRegion(const VoicingRecord& v) {
  const int p = neckPosition(v);
  return p <= 4 ? 0 : std::min(3, (p - 1) / 4);
}

std::uint8_t usualBeginFret(const VoicingRecord& v) {
  int low = 99, high = 0;
  for (int s = 0; s < kStringCount; ++s) {
    if (!v.isFretted(s)) continue;
    low = std::min(low, static_cast<int>(v.strings[s].fret));
    high = std::max(high, static_cast<int>(v.strings[s].fret));
  }
  return static_cast<std::uint8_t>(high <= 4 ? 1 : low);
}

bool hasRootInBass(const VoicingRecord& v, PitchClass root) {
  const int b = v.bassString();
  return b >= 0 && pitchClassOf(v.pitch(b)) == root;
}

bool isDropShapeGap(const VoicingRecord& v) {
  const int bass = v.bassString();
  if (bass < 2 || !v.isFretted(bass) || v.sounds(bass - 1) || !v.sounds(bass - 2)) return false;
  // The bass finger lies low in the hand, so the string above it rests against its underside.
  for (int s = 0; s < bass; ++s)
    if (v.isFretted(s) && v.strings[s].fret + 1 < v.strings[bass].fret) return false;
  for (int s = bass - 2; s >= 0; --s) {
    // Above the gap the sounding strings are contiguous.
    if (!v.sounds(s)) {
      for (int t = s; t >= 0; --t)
        if (v.sounds(t)) return false;
      break;
    }
  }
  return true;
}

namespace {

bool fingeringPlayable(const VoicingRecord& v) {
  for (int a = 0; a < kStringCount; ++a) {
    if (!isFretted(v.strings[a])) continue;
    for (int b = 0; b < kStringCount; ++b) {
      if (a == b || !isFretted(v.strings[b])) continue;
      const int fa = v.strings[a].fret, fb = v.strings[b].fret;
      const int ga = v.strings[a].finger, gb = v.strings[b].finger;
      if (ga == gb && fa != fb) return false;                // one finger, two frets
      if (fa < fb && ga >= gb) return false;                 // fingers rise with the fret
      if (fb > fa && fb - fa > (gb - ga) + 1) return false;  // reach between two fingers
    }
  }
  // A finger on several strings is a barre: every string under it sounds, at its fret or above;
  // the others can only flatten across neighbouring strings at the same fret.
  const bool indexBarre = std::count_if(v.strings.begin(), v.strings.end(),
                                        [](const StringFret& sf) { return sf.finger == 1; }) > 1;
  for (int finger = 1; finger <= 4; ++finger) {
    int hi = -1, lo = -1, fret = 0;
    for (int s = 0; s < kStringCount; ++s) {
      if (v.strings[s].finger != finger) continue;
      if (hi < 0) hi = s;
      lo = s;
      fret = v.strings[s].fret;
    }
    if (hi < 0 || hi == lo) continue;
    // The middle and little fingers flatten across two strings at most; the ring finger across
    // three only inside an index barre, as in the A-form barre chord.
    if (finger != 1 && lo - hi + 1 > (finger == 3 && indexBarre ? 3 : 2)) return false;
    for (int s = hi + 1; s < lo; ++s) {
      if (!isFretted(v.strings[s]) || v.strings[s].fret < fret) return false;
      if (finger != 1 && v.strings[s].finger != finger) return false;
    }
  }
  return true;
}

}  // namespace

std::vector<VoicingRule> checkVoicing(const VoicingRecord& v, const ChordTypeDefinition& type,
                                      PitchClass root) {
  std::vector<VoicingRule> broken;
  auto fail = [&broken](VoicingRule r) { broken.push_back(r); };

  bool codesOk = v.beginFret >= 1;
  int low = 99, high = 0, sounding = 0;
  for (const auto& sf : v.strings) {
    if (sf.finger > kFingerMuted) codesOk = false;
    if ((sf.finger == kFingerOpen || sf.finger == kFingerMuted) && sf.fret != 0) codesOk = false;
    if (isFretted(sf) && (sf.fret < 1 || sf.fret > kFretCount)) codesOk = false;
    if (isFretted(sf)) {
      low = std::min(low, static_cast<int>(sf.fret));
      high = std::max(high, static_cast<int>(sf.fret));
    }
    if (sf.finger != kFingerMuted) ++sounding;
  }
  if (!codesOk) fail(VoicingRule::RecordCodes);

  const ToneRequirement need = toneRequirement(type);
  const std::uint16_t have = soundingIntervals(v, root);
  if (have & ~need.allowed) fail(VoicingRule::ChordTonesOnly);
  if ((have & need.required) != need.required || sounding < 3) fail(VoicingRule::RequiredTones);
  if (high > 0 && high - low > 3) fail(VoicingRule::FretSpan);
  if (high > 0 && (low < v.beginFret || high > v.beginFret + 5 || v.beginFret != usualBeginFret(v)))
    fail(VoicingRule::DiagramRows);
  if (!fingeringPlayable(v)) fail(VoicingRule::Fingering);

  const int bass = v.bassString();
  int top = -1;
  for (int s = 0; s < kStringCount && top < 0; ++s)
    if (v.sounds(s)) top = s;
  int gaps = 0;
  for (int s = top + 1; s < bass; ++s)
    if (!v.sounds(s)) ++gaps;
  if (gaps > 0 && !isDropShapeGap(v)) fail(VoicingRule::InnerMutedString);
  return broken;
}

std::vector<VoicingRule> checkVoicingSet(const std::array<VoicingRecord, kVoicingsPerChord>& set,
                                         PitchClass root) {
  std::vector<VoicingRule> broken;
  if (!hasRootInBass(set[0], root)) broken.push_back(VoicingRule::FirstNotRoot);
  if (std::count_if(set.begin(), set.end(), [root](const auto& v) { return hasRootInBass(v, root); }) < 4)
    broken.push_back(VoicingRule::TooFewRootBass);
  for (int a = 0; a < kVoicingsPerChord; ++a)
    for (int b = a + 1; b < kVoicingsPerChord; ++b)
      if (set[a].strings == set[b].strings) {
        broken.push_back(VoicingRule::Duplicate);
        a = b = kVoicingsPerChord;
      }
  for (int a = 1; a < kVoicingsPerChord; ++a)
    if (neckPosition(set[a]) < neckPosition(set[a - 1])) {
      broken.push_back(VoicingRule::NotAscending);
      break;
    }
  std::set<int> regions;
  for (const auto& v : set) regions.insert(neckRegion(v));
  if (regions.size() < 3) broken.push_back(VoicingRule::TooFewRegions);
  return broken;
}

}  // namespace strumly
