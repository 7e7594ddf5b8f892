#include "core/chords/DiagramRecords.h"

#include <cstring>

namespace strumly {
namespace {

// Walks a record's bytes field by field; the packed layout is simply the fields in order.
class ByteWriter {
 public:
  explicit ByteWriter(std::span<std::uint8_t> out) : out_(out) {}
  void byte(std::uint8_t b) { out_[pos_++] = b; }
  template <std::size_t N>
  void bytes(const std::array<std::uint8_t, N>& a) {
    std::memcpy(out_.data() + pos_, a.data(), N);
    pos_ += N;
  }
  template <std::size_t C>
  void text(const ShortString<C>& s) {
    byte(s.rawLength());
    std::memcpy(out_.data() + pos_, s.rawBytes().data(), C);
    pos_ += C;
  }
  void strings(const std::array<StringFret, 6>& strings) {
    for (const StringFret& sf : strings) {
      byte(sf.fret);
      byte(sf.finger);
    }
  }

 private:
  std::span<std::uint8_t> out_;
  std::size_t pos_ = 0;
};

class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> in) : in_(in) {}
  std::uint8_t byte() { return in_[pos_++]; }
  template <std::size_t N>
  void bytes(std::array<std::uint8_t, N>& a) {
    std::memcpy(a.data(), in_.data() + pos_, N);
    pos_ += N;
  }
  // A length byte beyond the capacity (a damaged file) is cut to the capacity, so no reader of the
  // text can run past the field.
  template <std::size_t C>
  void text(ShortString<C>& s) {
    const std::uint8_t length = byte();
    s.setRaw(length, reinterpret_cast<const char*>(in_.data() + pos_));
    pos_ += C;
  }
  void strings(std::array<StringFret, 6>& strings) {
    for (StringFret& sf : strings) {
      sf.fret = byte();
      sf.finger = byte();
    }
  }

 private:
  std::span<const std::uint8_t> in_;
  std::size_t pos_ = 0;
};

}  // namespace

void writeRecord(const ChordDiagram& r, std::span<std::uint8_t, ChordDiagram::kSize> out) {
  ByteWriter w(out);
  w.byte(r.empty);
  w.text(r.name);
  w.text(r.tuningName);
  w.text(r.formula);
  w.bytes(r.tuning);
  w.strings(r.strings);
  w.bytes(r.intervals);
  w.bytes(r.pitches);
  w.byte(r.beginFret);
  w.byte(r.root);
  w.byte(r.bass);
}

ChordDiagram readChordDiagram(std::span<const std::uint8_t, ChordDiagram::kSize> in) {
  ChordDiagram r;
  ByteReader rd(in);
  r.empty = rd.byte();
  rd.text(r.name);
  rd.text(r.tuningName);
  rd.text(r.formula);
  rd.bytes(r.tuning);
  rd.strings(r.strings);
  rd.bytes(r.intervals);
  rd.bytes(r.pitches);
  r.beginFret = rd.byte();
  r.root = rd.byte();
  r.bass = rd.byte();
  return r;
}

void writeRecord(const ScaleDiagram& r, std::span<std::uint8_t, ScaleDiagram::kSize> out) {
  ByteWriter w(out);
  w.byte(r.empty);
  w.text(r.name);
  w.text(r.tuningName);
  w.text(r.formula);
  w.bytes(r.tuning);
  w.bytes(r.intervals);
  w.bytes(r.beginFrets);
  w.byte(r.root);
}

ScaleDiagram readScaleDiagram(std::span<const std::uint8_t, ScaleDiagram::kSize> in) {
  ScaleDiagram r;
  ByteReader rd(in);
  r.empty = rd.byte();
  rd.text(r.name);
  rd.text(r.tuningName);
  rd.text(r.formula);
  rd.bytes(r.tuning);
  rd.bytes(r.intervals);
  rd.bytes(r.beginFrets);
  r.root = rd.byte();
  return r;
}

void writeRecord(const PrintCell& r, std::span<std::uint8_t, PrintCell::kSize> out) {
  ByteWriter w(out);
  w.byte(r.empty);
  w.byte(r.isChord);
  w.text(r.name);
  w.text(r.tuningName);
  w.text(r.formula);
  w.bytes(r.tuning);
  w.strings(r.strings);
  w.bytes(r.intervals);
  w.bytes(r.pitches);
  w.byte(r.beginFret);
  w.byte(r.root);
  w.byte(r.bass);
}

PrintCell readPrintCell(std::span<const std::uint8_t, PrintCell::kSize> in) {
  PrintCell r;
  ByteReader rd(in);
  r.empty = rd.byte();
  r.isChord = rd.byte();
  rd.text(r.name);
  rd.text(r.tuningName);
  rd.text(r.formula);
  rd.bytes(r.tuning);
  rd.strings(r.strings);
  rd.bytes(r.intervals);
  rd.bytes(r.pitches);
  r.beginFret = rd.byte();
  r.root = rd.byte();
  r.bass = rd.byte();
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
