#include "core/app/TipFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <utility>

namespace strumly {
namespace {

constexpr const char* kShow = "True";

bool readLine(std::istream& in, std::string& line, bool& crlf) {
  if (!std::getline(in, line)) return false;
  if (!line.empty() && line.back() == '\r') {
    line.pop_back();
    crlf = true;
  }
  return true;
}

}  // namespace

TipRotation::TipRotation(TipLines file) : file_(std::move(file)) {}

bool TipRotation::showAtStartup() const {
  return !file_.lines.empty() && file_.lines.front() == kShow;
}

std::string TipRotation::currentTip() const {
  return file_.lines.size() > 1 ? file_.lines[1] : std::string();
}

void TipRotation::next() {
  auto& l = file_.lines;
  if (l.size() < 3) return;
  std::string tip = std::move(l[1]);
  l.erase(l.begin() + 1);
  l.push_back(std::move(tip));
}

void TipRotation::finish(bool showAtStartup) {
  const std::string first = showAtStartup ? kShow : "False";
  if (file_.lines.empty())
    file_.lines.push_back(first);
  else
    file_.lines.front() = first;
  next();
}

TipFile::TipFile(std::string shippedPath, std::string userPath)
    : shippedPath_(std::move(shippedPath)), userPath_(std::move(userPath)) {}

std::string TipFile::readPath() const {
  std::error_code ec;
  return std::filesystem::exists(userPath_, ec) ? userPath_ : shippedPath_;
}

bool TipFile::load(TipLines& into) const {
  std::ifstream in(readPath(), std::ios::binary);
  if (!in) return false;
  TipLines read;
  std::string line;
  while (readLine(in, line, read.crlf)) read.lines.push_back(line);
  if (in.bad()) return false;
  into = std::move(read);
  return true;
}

bool TipFile::showOnStart() const {
  std::ifstream in(readPath(), std::ios::binary);
  std::string first;
  bool crlf = false;
  return in && readLine(in, first, crlf) && first == kShow;
}

std::string TipFile::save(const TipLines& file) const {
  // Written beside and then renamed, so a full disk never leaves half a tip file.
  const std::string temporary = userPath_ + ".new";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return std::strerror(errno);
    const char* lineBreak = file.crlf ? "\r\n" : "\n";
    for (const std::string& line : file.lines) out << line << lineBreak;
    out.flush();
    if (!out) {
      const std::string reason = std::strerror(errno);
      std::remove(temporary.c_str());
      return reason;
    }
  }
  std::error_code ec;
  std::filesystem::rename(temporary, userPath_, ec);
  if (ec) {
    std::remove(temporary.c_str());
    return ec.message();
  }
  return {};
}

}  // namespace strumly
