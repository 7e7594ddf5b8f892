#pragma once
// The settings file store: a handle on one INI file name, nothing cached. Every read opens the
// file and every write rewrites it at once (write-through), so two handles on the same file
// always agree and a crash never loses a value that was written.
#include <stdexcept>
#include <string>
#include <vector>

namespace strumly {

class IniWriteError : public std::runtime_error {
 public:
  explicit IniWriteError(const std::string& fileName);
  const std::string& fileName() const { return fileName_; }

 private:
  std::string fileName_;
};

class IniFile {
 public:
  explicit IniFile(std::string fileName) : fileName_(std::move(fileName)) {}
  const std::string& fileName() const { return fileName_; }

  // Reads never fail: a missing file, section or key, or a value that does not convert, yields
  // the default. Texts are cut to 1023 characters.
  std::string readString(const std::string& section, const std::string& key, const std::string& def) const;
  int readInteger(const std::string& section, const std::string& key, int def) const;
  bool readBool(const std::string& section, const std::string& key, bool def) const;
  // Key names of a section in file order; empty when the section is missing.
  std::vector<std::string> readSection(const std::string& section) const;
  bool sectionExists(const std::string& section) const;

  // Writes throw IniWriteError ("Unable to write to <file>") when the file cannot be written.
  // A line break in a written text is stored as a blank, so no value can break the file's lines;
  // any other text up to 1023 characters reads back exactly as written.
  void writeString(const std::string& section, const std::string& key, const std::string& value);
  void writeInteger(const std::string& section, const std::string& key, int value);
  void writeBool(const std::string& section, const std::string& key, bool value);
  void eraseSection(const std::string& section);

  // The integer conversion used by readInteger: decimal, or hexadecimal after "0x"/"0X".
  static bool parseInteger(const std::string& text, int& value);

 private:
  std::string fileName_;
};

}  // namespace strumly
