#include "core/pages/DiagramRecords.h"

#include <cstring>

namespace strumly {
namespace {

// Walks a record's bytes field by field; the packed layout is simply the fields in order. The
// writer and the reader share one field list per record (`fieldsOf`), so the two directions can
// never disagree about an offset.
class ByteWriter {
 public:
  explicit ByteWriter(std::span<std::uint8_t> out) : out_(out) {}
  void field(const std::uint8_t& b) { out_[pos_++] = b; }
  template <std::size_t N>
  void field(const std::array<std::uint8_t, N>& a) {
    std::memcpy(out_.data() + pos_, a.data(), N);
    pos_ += N;
  }
  template <std::size_t C>
  void field(const ShortString<C>& s) {
    field(s.rawLength());
    std::memcpy(out_.data() + pos_, s.rawBytes().data(), C);
    pos_ += C;
  }
  void field(const std::array<StringFret, 6>& strings) {
    for (const StringFret& sf : strings) {
      field(sf.fret);
      field(sf.finger);
    }
  }

 private:
  std::span<std::uint8_t> out_;
  std::size_t pos_ = 0;
};

class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> in) : in_(in) {}
  void field(std::uint8_t& b) { b = in_[pos_++]; }
  template <std::size_t N>
  void field(std::array<std::uint8_t, N>& a) {
    std::memcpy(a.data(), in_.data() + pos_, N);
    pos_ += N;
  }
  // A length byte beyond the capacity (a damaged file) is cut to the capacity, so no reader of the
  // text can run past the field.
  template <std::size_t C>
  void field(ShortString<C>& s) {
    std::uint8_t length = 0;
    field(length);
    s.setRaw(length, reinterpret_cast<const char*>(in_.data() + pos_));
    pos_ += C;
  }
  void field(std::array<StringFret, 6>& strings) {
    for (StringFret& sf : strings) {
      field(sf.fret);
      field(sf.finger);
    }
  }

 private:
  std::span<const std::uint8_t> in_;
  std::size_t pos_ = 0;
};

// The byte layout of each record, in field order. `Record` is const for writing.
template <class Record, class Io>
void chordFields(Record& r, Io& io) {
  io.field(r.empty);
  io.field(r.name);
  io.field(r.tuningName);
  io.field(r.formula);
  io.field(r.tuning);
  io.field(r.strings);
  io.field(r.intervals);
  io.field(r.pitches);
  io.field(r.beginFret);
  io.field(r.root);
  io.field(r.bass);
}

template <class Record, class Io>
void scaleFields(Record& r, Io& io) {
  io.field(r.empty);
  io.field(r.name);
  io.field(r.tuningName);
  io.field(r.formula);
  io.field(r.tuning);
  io.field(r.intervals);
  io.field(r.beginFrets);
  io.field(r.root);
}

template <class Record, class Io>
void cellFields(Record& r, Io& io) {
  io.field(r.empty);
  io.field(r.isChord);
  io.field(r.name);
  io.field(r.tuningName);
  io.field(r.formula);
  io.field(r.tuning);
  io.field(r.strings);
  io.field(r.intervals);
  io.field(r.pitches);
  io.field(r.beginFret);
  io.field(r.root);
  io.field(r.bass);
}

}  // namespace

void writeRecord(const ChordDiagram& r, std::span<std::uint8_t, ChordDiagram::kSize> out) {
  ByteWriter w(out);
  chordFields(r, w);
}

ChordDiagram readChordDiagram(std::span<const std::uint8_t, ChordDiagram::kSize> in) {
  ChordDiagram r;
  ByteReader rd(in);
  chordFields(r, rd);
  return r;
}

void writeRecord(const ScaleDiagram& r, std::span<std::uint8_t, ScaleDiagram::kSize> out) {
  ByteWriter w(out);
  scaleFields(r, w);
}

ScaleDiagram readScaleDiagram(std::span<const std::uint8_t, ScaleDiagram::kSize> in) {
  ScaleDiagram r;
  ByteReader rd(in);
  scaleFields(r, rd);
  return r;
}

void writeRecord(const PrintCell& r, std::span<std::uint8_t, PrintCell::kSize> out) {
  ByteWriter w(out);
  cellFields(r, w);
}

PrintCell readPrintCell(std::span<const std::uint8_t, PrintCell::kSize> in) {
  PrintCell r;
  ByteReader rd(in);
  cellFields(r, rd);
  return r;
}

ChordDiagram emptyDesignChord() {
  ChordDiagram c;
  c.empty = 0;
  c.tuningName = "Standard";
  c.tuning = kStandardTuning;
  for (StringFret& sf : c.strings) sf = {0, kFingerMuted};
  c.intervals = kRootOnlyIntervals;
  c.pitches = {};
  c.beginFret = 1;
  c.root = 0;
  c.bass = 24;
  return c;
}

void updatePitches(ChordDiagram& chord) {
  for (std::size_t s = 0; s < chord.strings.size(); ++s) {
    const StringFret& sf = chord.strings[s];
    chord.pitches[s] =
        sf.finger == kFingerMuted ? PitchNumber{0} : static_cast<PitchNumber>(chord.tuning[s] + sf.fret);
  }
}

}  // namespace strumly
