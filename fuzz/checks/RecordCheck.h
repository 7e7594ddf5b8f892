#pragma once
// Invariants of the diagram record images (ChordDiagram 88, ScaleDiagram 94, PrintCell 109 bytes)
// that every page file is made of, on arbitrary bytes:
//  - writing a record read from bytes gives the same bytes back, except that a text length byte
//    beyond its field's capacity comes back cut to the capacity;
//  - reading that image again gives an equal record and the same image (the cut is stable);
//  - no text is longer than its field;
//  - a chord carried to the Print page and back is the same chord, and a scale set carried there
//    and back keeps its name, texts, tuning, intervals and root.
#include <array>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string>
#include <utility>

#include "Finding.h"
#include "core/pages/DiagramRecords.h"
#include "core/pages/RecordConversions.h"

namespace strumly::fuzz {

namespace record_detail {

// The record image the input gives: its first N bytes, zero-padded.
template <std::size_t N>
std::array<std::uint8_t, N> imageFrom(const std::uint8_t* data, std::size_t size) {
  std::array<std::uint8_t, N> img{};
  std::memcpy(img.data(), data, size < N ? size : N);
  return img;
}

// The image with every text length byte cut to its field's capacity.
template <std::size_t N>
std::array<std::uint8_t, N> withLengthsCut(
    std::array<std::uint8_t, N> img, std::initializer_list<std::pair<std::size_t, std::uint8_t>> texts) {
  for (auto [offset, capacity] : texts)
    if (img[offset] > capacity) img[offset] = capacity;
  return img;
}

template <typename Record, std::size_t N, typename Read>
Finding roundTrip(const char* what, const std::array<std::uint8_t, N>& in,
                  const std::array<std::uint8_t, N>& expected, Read read, Record& record) {
  record = read(std::span<const std::uint8_t, N>(in));
  std::array<std::uint8_t, N> out{};
  writeRecord(record, std::span<std::uint8_t, N>(out));
  for (std::size_t i = 0; i < N; ++i)
    if (out[i] != expected[i])
      return std::string(what) + ": byte " + std::to_string(i) + " read " + std::to_string(in[i]) +
             ", written " + std::to_string(out[i]) + ", expected " + std::to_string(expected[i]);
  Record again = read(std::span<const std::uint8_t, N>(out));
  std::array<std::uint8_t, N> out2{};
  writeRecord(again, std::span<std::uint8_t, N>(out2));
  if (!(again == record) || out2 != out) return std::string(what) + ": second round trip differs";
  if (record.name.size() > record.name.capacity || record.tuningName.size() > record.tuningName.capacity ||
      record.formula.size() > record.formula.capacity)
    return std::string(what) + ": text longer than its field";
  return {};
}

}  // namespace record_detail

inline Finding checkRecordInput(const std::uint8_t* data, std::size_t size) {
  using namespace record_detail;
  auto chordImg = imageFrom<ChordDiagram::kSize>(data, size);
  ChordDiagram chord;
  if (auto f = roundTrip("ChordDiagram", chordImg, withLengthsCut(chordImg, {{1, 15}, {17, 15}, {33, 20}}),
                         readChordDiagram, chord);
      !f.empty())
    return f;

  auto scaleImg = imageFrom<ScaleDiagram::kSize>(data, size);
  ScaleDiagram scale;
  if (auto f = roundTrip("ScaleDiagram", scaleImg, withLengthsCut(scaleImg, {{1, 26}, {28, 15}, {44, 26}}),
                         readScaleDiagram, scale);
      !f.empty())
    return f;

  auto cellImg = imageFrom<PrintCell::kSize>(data, size);
  PrintCell cell;
  if (auto f = roundTrip("PrintCell", cellImg, withLengthsCut(cellImg, {{2, 26}, {29, 15}, {45, 26}}),
                         readPrintCell, cell);
      !f.empty())
    return f;

  // Conversions between pages.
  if (!(cellToChord(chordToCell(chord)) == chord)) return "chord -> print cell -> chord changed the chord";
  ScaleDiagram back = cellToScale(scaleToCell(scale));
  if (!(back.name == scale.name) || !(back.tuningName == scale.tuningName) ||
      !(back.formula == scale.formula) || back.tuning != scale.tuning || back.intervals != scale.intervals ||
      back.root != scale.root || back.empty != scale.empty)
    return "scale -> print cell -> scale changed the scale";
  ChordDiagram fromCell = cellToChord(cell);
  PrintCell viaChord = chordToCell(fromCell);
  if (!(cellToChord(viaChord) == fromCell)) return "cellToChord is not stable";
  return {};
}

}  // namespace strumly::fuzz
