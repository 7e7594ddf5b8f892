#pragma once
// Failures of the dictionary readers. `what()` is the text the user is shown.
#include <stdexcept>
#include <string>

namespace strumly {

inline constexpr const char* kChordFilesMissingText = "Could Not Find Chord Data Files.";
inline constexpr const char* kScaleFileMissingText = "Could Not Find Scale Data File.";

class DictionaryError : public std::runtime_error {
 public:
  enum class Kind {
    ChordFilesMissing,  // a shape file of the family is not in the program folder
    ScaleFileMissing,   // kvs.dat is not in the program folder
    ReadFailed,         // a file that should be there is missing, unreadable or too short
  };
  DictionaryError(Kind kind, const std::string& text) : std::runtime_error(text), kind_(kind) {}
  Kind kind() const { return kind_; }

 private:
  Kind kind_;
};

}  // namespace strumly
