#pragma once
// Invariants of the user chord types read from an arbitrary Kv.ini.
//
// The input is the settings file. Then:
//  - every section [UserChords] Number counts (at most 1000) is either listed as a type or named
//    damaged, in section order, and a listed type is one the chord-type list can use: root 0,
//    every other interval unused (255) or in 0..21, at least one besides the root;
//  - a listed type written as a new type reads back the same, a carriage return inside a text
//    as the blank the file stores for it (the add round trip);
//  - deleting a section that is no user type is refused and leaves the file's bytes alone;
//  - deleting the first user section moves every later one down whole, so the list and the
//    damaged sections after it are the old ones one section lower;
//  - adding a type lists it last, after the old list unchanged, or refuses and changes nothing.
#include <algorithm>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

#include "Finding.h"
#include "platform/settings/AppSettingsStore.h"

namespace strumly::fuzz {

namespace userchords_detail {

inline std::string fileBytes(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeFile(const std::filesystem::path& p, const std::string& text) {
  std::ofstream(p, std::ios::binary | std::ios::trunc) << text;
}

// A text as the settings file stores it: a line break inside a value (a lone carriage return
// can be read) is written as a blank.
inline std::string stored(std::string text) {
  std::replace(text.begin(), text.end(), '\r', ' ');
  return text;
}

inline Finding checkListing(const std::vector<UserChordType>& types, const std::vector<int>& damaged,
                            int counted) {
  std::size_t t = 0, d = 0;
  for (int s = kFirstUserChordIndex; s < kFirstUserChordIndex + counted; ++s) {
    if (t < types.size() && types[t].section == s) {
      const auto& iv = types[t++].intervals;
      if (iv[0] != 0) return "type " + std::to_string(s) + " has no root";
      int used = 0;
      for (std::size_t k = 1; k < iv.size(); ++k) {
        if (iv[k] != 255 && (iv[k] < 0 || iv[k] > 21))
          return "type " + std::to_string(s) + " has an unknown interval";
        used += iv[k] != 255 ? 1 : 0;
      }
      if (used == 0) return "type " + std::to_string(s) + " is nothing but the root";
    } else if (d < damaged.size() && damaged[d] == s) {
      ++d;
    } else {
      return "section " + std::to_string(s) + " is neither listed nor named damaged";
    }
  }
  if (t != types.size() || d != damaged.size()) return "sections beyond the count were listed";
  return {};
}

}  // namespace userchords_detail

inline Finding checkUserChordsInput(const std::uint8_t* data, std::size_t size,
                                    const std::filesystem::path& folder) {
  using namespace userchords_detail;
  namespace fs = std::filesystem;
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::error_code ec;
  fs::create_directories(folder, ec);
  const fs::path path = folder / "Kv.ini", fresh = folder / "Fresh.ini";
  writeFile(path, text);
  AppSettingsStore store(IniFile(path.string()), folder.string() + "/");
  try {
    std::vector<int> damaged;
    const std::vector<UserChordType> types = store.userChords(&damaged);
    const int number = store.file().readInteger("UserChords", "Number", 0);
    const int counted = std::clamp(number, 0, 1000);
    if (auto f = checkListing(types, damaged, counted); !f.empty()) return f;

    for (std::size_t i = 0; i < types.size() && i < 3; ++i) {
      fs::remove(fresh, ec);
      AppSettingsStore other(IniFile(fresh.string()), folder.string() + "/");
      const int section = other.addUserChord(types[i]);
      const auto back = other.userChords();
      if (back.size() != 1 || !(back[0] == UserChordType{stored(types[i].name), stored(types[i].formula),
                                                         types[i].intervals, section}))
        return "type " + std::to_string(types[i].section) + " " + shown(types[i].name) + " " +
               shown(types[i].formula) + " does not read back after adding it" +
               (back.empty() ? "" : " but as " + shown(back[0].name) + " " + shown(back[0].formula));
    }

    const std::string before = fileBytes(path);
    if (store.deleteUserChord(kFirstUserChordIndex - 1) ||
        store.deleteUserChord(kFirstUserChordIndex + counted) || fileBytes(path) != before)
      return "a delete of no user type was not refused or changed the file";

    // Each delete rewrites the file once per later section; long lists are left to the unit tests.
    if (counted > 0 && counted <= 24) {
      if (!store.deleteUserChord(kFirstUserChordIndex)) return "deleting the first user type was refused";
      std::vector<UserChordType> expected;
      std::vector<int> expectedDamaged, nowDamaged;
      for (auto t : types) {
        if (t.section == kFirstUserChordIndex) continue;
        --t.section;
        t.name = stored(t.name);  // moved by rewriting every key
        t.formula = stored(t.formula);
        expected.push_back(t);
      }
      for (int s : damaged)
        if (s != kFirstUserChordIndex) expectedDamaged.push_back(s - 1);
      const auto now = store.userChords(&nowDamaged);
      if (now != expected || nowDamaged != expectedDamaged) {
        auto list = [](const std::vector<UserChordType>& ts, const std::vector<int>& ds) {
          std::string out;
          for (const auto& t : ts) out += " " + std::to_string(t.section) + shown(t.name);
          for (int d : ds) out += " damaged " + std::to_string(d);
          return out;
        };
        return "a delete of the first type gave" + list(now, nowDamaged) + " for" +
               list(expected, expectedDamaged);
      }
      writeFile(path, text);
    }

    const UserChordType added{"fuzz", "1 3 5", {0, 4, 7, 255, 255, 255, 255}};
    int section = 0;
    try {
      section = store.addUserChord(added);
    } catch (const std::length_error&) {
      if (fileBytes(path) != text) return "a refused add changed the file";
      return {};
    }
    std::vector<UserChordType> expected = types;
    expected.push_back(UserChordType{added.name, added.formula, added.intervals, section});
    if (store.userChords() != expected) return "an added type is not listed last after the old list";
  } catch (const std::exception& e) {
    return std::string("exception: ") + e.what();
  }
  return {};
}

}  // namespace strumly::fuzz
