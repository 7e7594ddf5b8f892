// Generates the chord dictionary (kvcd3.dat and the six shape files) and the scale dictionary
// (kvs.dat) into a folder, then checks every voicing against the dictionary rules and prints a
// summary: per rule the voicings that break it, per chord type how many voicings stand on the root.
//
//   dictgen <output folder> [--list]     --list also prints every chord's six shapes
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "core/scales/ScaleDictionary.h"
#include "core/voicings/ChordDictionaryWriter.h"
#include "core/voicings/VoicingRules.h"

namespace {

using namespace strumly;

bool writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) {
    std::fprintf(stderr, "dictgen: cannot write %s\n", path.string().c_str());
    return false;
  }
  std::printf("wrote %s (%zu bytes)\n", path.string().c_str(), bytes.size());
  return true;
}

std::string shapeText(const VoicingRecord& v) {
  std::string s;
  for (int str = kStringCount - 1; str >= 0; --str) {
    if (!v.sounds(str)) {
      s += "x";
    } else {
      s += std::to_string(v.strings[str].fret);
    }
    s += str ? "-" : "";
  }
  s += " (";
  for (int str = kStringCount - 1; str >= 0; --str) s += std::to_string(v.strings[str].finger);
  s += ") b" + std::to_string(v.beginFret);
  return s;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: dictgen <output folder> [--list]\n");
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  const bool list = argc > 2 && std::string(argv[2]) == "--list";
  std::filesystem::create_directories(folder);

  const auto start = std::chrono::steady_clock::now();
  const auto table = generateVoicingTable();
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("generated %zu voicing sets in %.2f s\n", table.size(), seconds);

  bool ok = writeFile(folder / "kvcd3.dat", buildChordTypeFile()) &&
            writeFile(folder / "kvs.dat", buildScaleFile());
  for (const auto& f : kFamilies) {
    ok = ok && writeFile(folder / f.shapeFile1, buildShapeFile(table, f.family, 1));
    ok = ok && writeFile(folder / f.shapeFile2, buildShapeFile(table, f.family, 2));
  }

  std::map<VoicingRule, int> broken;
  const auto types = chordTypeDefinitions();
  for (int t = 0; t < kChordTypeCount; ++t) {
    int rootBass = 0;
    for (int k = 0; k < kKeyCount; ++k) {
      const auto& set = table[static_cast<std::size_t>(t * kKeyCount + k)];
      for (const auto& v : set) {
        rootBass += hasRootInBass(v, static_cast<PitchClass>(k));
        for (auto r : checkVoicing(v, types[t], static_cast<PitchClass>(k))) {
          ++broken[r];
          std::printf("  %s %s: %s: %s\n", std::string(kFlatNames[k]).c_str(),
                      std::string(types[t].name).c_str(), std::string(ruleName(r)).c_str(),
                      shapeText(v).c_str());
        }
      }
      for (auto r : checkVoicingSet(set, static_cast<PitchClass>(k))) {
        ++broken[r];
        std::printf("  %s %s: %s\n", std::string(kFlatNames[k]).c_str(), std::string(types[t].name).c_str(),
                    std::string(ruleName(r)).c_str());
      }
      if (list) {
        std::printf("%-3s %-15s", std::string(kFlatNames[k]).c_str(), std::string(types[t].name).c_str());
        for (const auto& v : set) std::printf(" | %s", shapeText(v).c_str());
        std::printf("\n");
      }
    }
    std::printf("%-15s root in bass: %2d of 72\n", std::string(types[t].name).c_str(), rootBass);
  }
  std::printf("rule breaks:");
  if (broken.empty()) std::printf(" none");
  for (const auto& [rule, n] : broken) std::printf(" [%s: %d]", std::string(ruleName(rule)).c_str(), n);
  std::printf("\n");
  return ok ? 0 : 1;
}
