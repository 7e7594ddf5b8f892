#include "core/voicings/VoicingSeeds.h"

#include <string_view>

namespace strumly {

namespace {

constexpr int X = -100;  // a muted string in a movable template

struct OpenShape {
  int type;
  PitchClass key;
  std::string_view shape;
};

// Dictionary index, key, shape (lowest string first).
constexpr OpenShape kOpenShapes[] = {
    {0, 0, "x32010"},  {0, 9, "x02220"},  {0, 7, "320003"},  {0, 4, "022100"},   {0, 2, "xx0232"},
    {19, 9, "x02210"}, {19, 4, "022000"}, {19, 2, "xx0231"}, {36, 0, "x32310"},  {36, 9, "x02020"},
    {36, 7, "320001"}, {36, 4, "020100"}, {36, 2, "xx0212"}, {36, 11, "x21202"}, {20, 9, "x02010"},
    {20, 4, "020000"}, {20, 2, "xx0211"}, {2, 0, "x32000"},  {2, 9, "x02120"},   {2, 2, "xx0222"},
    {2, 5, "xx3210"},  {2, 4, "021100"},  {7, 9, "x02230"},  {7, 2, "xx0233"},   {7, 4, "022200"},
    {40, 9, "x02030"}, {40, 2, "xx0213"}, {40, 4, "020200"}, {9, 0, "x32030"},   {1, 9, "x02222"},
    {1, 4, "022120"},  {21, 9, "x02212"}, {21, 2, "xx0201"}, {21, 4, "022020"},  {4, 0, "x32110"},
};

struct Template {
  int type;
  int rootString;                         // 5 = low E, 4 = A
  std::array<int, kStringCount> offsets;  // lowest string first, X muted
};

constexpr Template kTemplates[] = {
    // E forms
    {0, 5, {0, 2, 2, 1, 0, 0}},
    {19, 5, {0, 2, 2, 0, 0, 0}},
    {36, 5, {0, 2, 0, 1, 0, 0}},
    {20, 5, {0, 2, 0, 0, 0, 0}},
    {7, 5, {0, 2, 2, 2, 0, 0}},
    {40, 5, {0, 2, 0, 2, 0, 0}},
    // A forms
    {0, 4, {X, 0, 2, 2, 2, 0}},
    {19, 4, {X, 0, 2, 2, 1, 0}},
    {36, 4, {X, 0, 2, 0, 2, 0}},
    {20, 4, {X, 0, 2, 0, 1, 0}},
    {2, 4, {X, 0, 2, 1, 2, 0}},
    {7, 4, {X, 0, 2, 2, 3, 0}},
    {40, 4, {X, 0, 2, 0, 3, 0}},
    {1, 4, {X, 0, 2, 2, 2, 2}},
    {37, 4, {X, 0, -1, 0, 0, 0}},
    {24, 4, {X, 0, 1, 0, 1, X}},
    {49, 4, {X, 0, -1, 0, 1, X}},
    {22, 4, {X, 0, -2, 0, 0, X}},
    {6, 4, {X, 0, -1, 1, 0, X}},
    {43, 4, {X, 0, -1, 0, -1, X}},
    // Drop shapes on the low E string, the A string muted under the bass finger
    {2, 5, {0, X, 1, 1, 0, X}},
    {36, 5, {0, X, 0, 1, 0, X}},
    {20, 5, {0, X, 0, 0, 0, X}},
    {24, 5, {0, X, 0, 0, -1, X}},
    {39, 5, {0, X, 0, 1, 2, X}},
};

}  // namespace

FretPattern parseShape(std::string_view lowToHigh) {
  FretPattern f{};
  for (int i = 0; i < kStringCount; ++i) {
    const char c = lowToHigh[static_cast<std::size_t>(i)];
    f[kStringCount - 1 - i] = (c == 'x') ? -1 : c - '0';
  }
  return f;
}

std::vector<FretPattern> canonicalShapes(int dictionaryIndex, PitchClass key) {
  std::vector<FretPattern> out;
  for (const auto& o : kOpenShapes)
    if (o.type == dictionaryIndex && o.key == key) out.push_back(parseShape(o.shape));
  for (const auto& t : kTemplates) {
    if (t.type != dictionaryIndex) continue;
    const int open = kStandardTuning[t.rootString];
    const int r = pitchClassOf(key - open);
    FretPattern f{};
    bool ok = true;
    for (int i = 0; i < kStringCount; ++i) {
      const int off = t.offsets[i];
      const int fret = off == X ? -1 : r + off;
      if (off != X && (fret < 0 || fret > 15)) ok = false;
      f[kStringCount - 1 - i] = fret;
    }
    if (ok) out.push_back(f);
  }
  return out;
}

}  // namespace strumly
