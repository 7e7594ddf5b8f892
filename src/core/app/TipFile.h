#pragma once
// The tip of the day and its file "tip.kvt": line 1 is "True" when the tips show at start-up
// (anything else, "true" included, means they do not), every further line is one tip, and line 2
// is the tip shown next. The file is the only state: showing a tip turns the list so the next
// tip is always line 2.
#include <string>
#include <vector>

namespace strumly {

struct TipLines {
  std::vector<std::string> lines;
  bool crlf = false;  // the file's line breaks, kept when it is written back
};

// The lines while the tip window shows.
class TipRotation {
 public:
  explicit TipRotation(TipLines file = {});

  bool showAtStartup() const;
  // Line 2; empty when the file holds no tip.
  std::string currentTip() const;
  // "Next Tip": line 2 goes to the end.
  void next();
  // "OK": line 1 from the check box, and the list turns once more so the next start shows a
  // tip not seen yet.
  void finish(bool showAtStartup);
  const TipLines& file() const { return file_; }

 private:
  TipLines file_;
};

// Where the tips are read and written. A shipped file in a read-only folder is read until the
// user's own copy exists; every save goes to the user's copy.
class TipFile {
 public:
  TipFile(std::string shippedPath, std::string userPath);

  // The user's copy when there is one, else the shipped file.
  std::string readPath() const;
  const std::string& userPath() const { return userPath_; }
  // False when the file is missing or unreadable.
  bool load(TipLines& into) const;
  // Reads only the first line.
  bool showOnStart() const;
  // Writes the lines to the user's copy; empty on success, else the reason.
  std::string save(const TipLines& file) const;

 private:
  std::string shippedPath_;
  std::string userPath_;
};

}  // namespace strumly
