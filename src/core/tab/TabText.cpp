#include "core/tab/TabText.h"

#include <fstream>

#include "core/common/ReadWholeFile.h"
#include "core/common/WriteThroughTemporary.h"

namespace strumly {

namespace {

// The code point of a valid UTF-8 sequence at `i`, and its length; length 0 when the bytes there
// are not one (then the caller takes the first byte as Latin-1).
char32_t decodeOne(std::string_view bytes, std::size_t i, std::size_t& length) {
  const auto b0 = static_cast<unsigned char>(bytes[i]);
  length = 0;
  if (b0 < 0x80) {
    length = 1;
    return b0;
  }
  std::size_t need = 0;
  char32_t cp = 0;
  char32_t min = 0;
  if ((b0 & 0xE0) == 0xC0) {
    need = 1, cp = b0 & 0x1F, min = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    need = 2, cp = b0 & 0x0F, min = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    need = 3, cp = b0 & 0x07, min = 0x10000;
  } else {
    return 0;
  }
  if (i + need >= bytes.size()) return 0;
  for (std::size_t k = 1; k <= need; ++k) {
    const auto b = static_cast<unsigned char>(bytes[i + k]);
    if ((b & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b & 0x3F);
  }
  // Overlong forms, surrogates and values beyond Unicode are not UTF-8.
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  length = need + 1;
  return cp;
}

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

TabLines decodeTabText(std::string_view bytes) {
  TabLines lines;
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  TabLine current;
  bool pendingLine = false;  // characters or a line break seen since the last line was closed
  for (std::size_t i = 0; i < bytes.size();) {
    std::size_t length = 0;
    char32_t cp = decodeOne(bytes, i, length);
    if (length == 0) {
      cp = static_cast<unsigned char>(bytes[i]);
      length = 1;
    }
    i += length;
    if (cp == U'\r' || cp == U'\n') {
      if (cp == U'\r' && i < bytes.size() && bytes[i] == '\n') ++i;
      lines.push_back(std::move(current));
      current.clear();
      pendingLine = false;
      continue;
    }
    current += cp;
    pendingLine = true;
  }
  if (pendingLine) lines.push_back(std::move(current));
  return lines;
}

std::string toUtf8(std::u32string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char32_t cp : text) appendUtf8(out, cp);
  return out;
}

TabLine fromUtf8(std::string_view text) {
  TabLine out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    std::size_t length = 0;
    char32_t cp = decodeOne(text, i, length);
    if (length == 0) {
      cp = static_cast<unsigned char>(text[i]);
      length = 1;
    }
    out += cp;
    i += length;
  }
  return out;
}

std::string encodeTabText(const TabLines& lines) {
  std::size_t size = 0;
  for (const TabLine& line : lines) size += line.size() + 2;
  std::string out;
  out.reserve(size);
  for (const TabLine& line : lines) {
    for (char32_t cp : line) appendUtf8(out, cp);
    out += "\r\n";
  }
  return out;
}

bool isPlainText(std::string_view bytes) {
  std::size_t controls = 0;
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b == 0) return false;
    if ((b < 0x20 && b != '\t' && b != '\n' && b != '\r' && b != '\f') || b == 0x7F) ++controls;
  }
  return controls * 2 <= bytes.size();
}

TabTextReadResult readTabTextFile(const std::filesystem::path& path) {
  std::string error;
  const std::optional<std::string> bytes = readWholeFile(path, error, kMaxTabFileBytes + 1);
  if (!bytes) return {false, {}, error};
  if (bytes->size() > kMaxTabFileBytes) return {false, {}, path.string() + " is too large for a tab."};
  if (!isPlainText(*bytes)) return {false, {}, path.string() + " is not a text file."};
  return {true, decodeTabText(*bytes), {}};
}

std::string writeTabTextFile(const std::filesystem::path& path, const TabLines& lines) {
  const std::string bytes = encodeTabText(lines);
  return writeThroughTemporary(path, [&](const std::filesystem::path& temporary) {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
  });
}

}  // namespace strumly
