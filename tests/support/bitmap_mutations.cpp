#include "bitmap_mutations.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

#include "little_endian_bytes.h"

namespace vornal::test {
namespace {

enum : std::uint32_t { kRGB = 0, kRLE8 = 1, kRLE4 = 2, kBitFields = 3 };
constexpr std::uint32_t kFileHeaderBytes = 14;
constexpr std::uint32_t kCoreHeaderBytes = 12;
constexpr std::uint32_t kInfoHeaderBytes = 40;
constexpr std::uint32_t kV4HeaderBytes = 108;
constexpr std::uint32_t kV5HeaderBytes = 124;
constexpr std::uint32_t kSRGB = 0x73524742;  // 'sRGB', the colour space of V4 and V5 headers
// Pixel data of a mutated file never goes beyond this, whatever depth and
// sides the header claims, so that a file stays well under the 1 MiB bound.
constexpr std::size_t kMaxPixelBytes = 512 * 1024;

// A small generator of our own: the standard distributions differ between
// libraries, and a seed has to give the same file everywhere.
class Dice {
 public:
  explicit Dice(std::uint32_t seed) : state_(seed * 0x9E3779B9u + 0x7F4A7C15u) {}
  std::uint32_t Next() {
    std::uint32_t z = state_ += 0x9E3779B9u;
    z = (z ^ (z >> 16)) * 0x85EBCA6Bu;
    z = (z ^ (z >> 13)) * 0xC2B2AE35u;
    return z ^ (z >> 16);
  }
  std::uint32_t Below(std::uint32_t n) { return n == 0 ? 0 : Next() % n; }
  template <class T, std::size_t N>
  T Pick(const T (&table)[N]) {
    return table[Below(N)];
  }

 private:
  std::uint32_t state_;
};

// The seed's place in a table of cases: as the seeds of one kind count up
// they go through every row, so every case is tried, not just likely ones.
template <class T, std::size_t N>
const T& Cycle(const T (&table)[N], std::uint32_t seed) {
  return table[(seed / kMutationKinds) % N];
}

// Everything a file is made of; Assemble lays it out.
struct Layout {
  std::uint32_t headerBytes = kInfoHeaderBytes;  // 12, 40, 52, 56, 108 or 124
  std::int32_t width = 1;
  std::int32_t height = 1;  // below zero: rows from the top down
  std::uint32_t planes = 1;
  std::uint32_t bits = 24;
  std::uint32_t compression = kRGB;
  std::uint32_t imageBytes = 0;      // biSizeImage as written
  std::uint32_t colorsUsed = 0;      // biClrUsed as written
  std::uint32_t paletteEntries = 0;  // entries the file really holds
  bool masksAfterHeader = false;     // a 40-byte header's three BI_BITFIELDS masks
  std::uint32_t masks[4] = {};       // red, green, blue, alpha
  std::vector<std::uint8_t> pixels;
};

std::vector<std::uint8_t> Assemble(const Layout& l) {
  const bool core = l.headerBytes == kCoreHeaderBytes;
  const std::size_t entryBytes = core ? 3 : 4;  // RGBTRIPLE or RGBQUAD
  const std::size_t pixelsAt = kFileHeaderBytes + l.headerBytes + (l.masksAfterHeader ? 12 : 0) +
                               l.paletteEntries * entryBytes;
  std::vector<std::uint8_t> b(pixelsAt + l.pixels.size(), 0);
  b[0] = 'B';
  b[1] = 'M';
  Put32(b, 2, static_cast<std::uint32_t>(b.size()));
  Put32(b, 10, static_cast<std::uint32_t>(pixelsAt));
  Put32(b, 14, l.headerBytes);
  if (core) {
    Put16(b, 18, static_cast<std::uint32_t>(l.width));
    Put16(b, 20, static_cast<std::uint32_t>(l.height));
    Put16(b, 22, l.planes);
    Put16(b, 24, l.bits);
  } else {
    Put32(b, 18, static_cast<std::uint32_t>(l.width));
    Put32(b, 22, static_cast<std::uint32_t>(l.height));
    Put16(b, 26, l.planes);
    Put16(b, 28, l.bits);
    Put32(b, 30, l.compression);
    Put32(b, 34, l.imageBytes);
    Put32(b, 38, 2835);  // 72 dots per inch, as most programs write
    Put32(b, 42, 2835);
    Put32(b, 46, l.colorsUsed);
  }
  // V2 and later headers hold the masks themselves; V3 and later the alpha one.
  if (l.headerBytes >= 52) {
    for (int i = 0; i < 3; ++i) Put32(b, 54 + 4 * i, l.masks[i]);
  }
  if (l.headerBytes >= 56) Put32(b, 66, l.masks[3]);
  if (l.headerBytes >= kV4HeaderBytes) Put32(b, 70, kSRGB);
  if (l.headerBytes >= kV5HeaderBytes) Put32(b, 122, 4);  // LCS_GM_IMAGES
  std::size_t at = kFileHeaderBytes + l.headerBytes;
  if (l.masksAfterHeader) {
    for (int i = 0; i < 3; ++i) Put32(b, at + 4 * i, l.masks[i]);
    at += 12;
  }
  for (std::uint32_t i = 0; i < l.paletteEntries; ++i, at += entryBytes) {
    b[at] = static_cast<std::uint8_t>(i * 37);
    b[at + 1] = static_cast<std::uint8_t>(i * 91);
    b[at + 2] = static_cast<std::uint8_t>(i * 153);
  }
  std::copy(l.pixels.begin(), l.pixels.end(), b.begin() + static_cast<std::ptrdiff_t>(at));
  return b;
}

// Uncompressed rows of the given depth, each padded to a 32-bit word with
// zeros; no more than most bytes, which only a lying depth reaches.
std::vector<std::uint8_t> Rows(std::uint32_t width, std::uint32_t height, std::uint32_t bits,
                               std::size_t most = kMaxPixelBytes) {
  const std::size_t row = ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4;
  const std::size_t used = (static_cast<std::size_t>(width) * bits + 7) / 8;
  std::vector<std::uint8_t> p(std::min(row * height, most), 0);
  for (std::size_t y = 0; y < height; ++y) {
    for (std::size_t i = 0; i < used && y * row + i < p.size(); ++i) {
      p[y * row + i] = static_cast<std::uint8_t>((i * 29) ^ (y * 71) ^ 0x5A);
    }
  }
  return p;
}

// A side as a number of pixels, whichever way the rows run; unsigned, as
// INT32_MIN has no positive counterpart.
std::uint32_t Side(std::int32_t side) {
  const auto s = static_cast<std::uint32_t>(side);
  return side < 0 ? 0u - s : s;
}

void SetMasksFor(Layout& l) {
  if (l.bits == 16) {  // 5-6-5
    l.masks[0] = 0xF800, l.masks[1] = 0x07E0, l.masks[2] = 0x001F, l.masks[3] = 0;
  } else {
    l.masks[0] = 0xFF0000, l.masks[1] = 0xFF00, l.masks[2] = 0xFF, l.masks[3] = 0xFF000000;
  }
}

// A whole uncompressed file of a header kind, depth and size the dice
// choose: core, info (plain or with bit fields), V4 or V5.
Layout Base(Dice& dice, bool anyHeader = true) {
  static constexpr std::uint32_t kHeaders[] = {kCoreHeaderBytes, kInfoHeaderBytes, kInfoHeaderBytes,
                                               kInfoHeaderBytes, kV4HeaderBytes,   kV5HeaderBytes};
  static constexpr std::uint32_t kDepths[] = {1, 4, 8, 16, 24, 32};
  static constexpr std::uint32_t kCoreDepths[] = {1, 4, 8, 24};
  Layout l;
  l.headerBytes = anyHeader ? dice.Pick(kHeaders) : kInfoHeaderBytes;
  const bool core = l.headerBytes == kCoreHeaderBytes;
  l.bits = core ? dice.Pick(kCoreDepths) : dice.Pick(kDepths);
  l.width = static_cast<std::int32_t>(1 + dice.Below(48));
  l.height = static_cast<std::int32_t>(1 + dice.Below(48));
  if (!core && dice.Below(4) == 0) l.height = -l.height;
  if (l.bits <= 8) l.paletteEntries = 1u << l.bits;
  if ((l.bits == 16 || l.bits == 32) && !core && dice.Below(2) == 0) {
    l.compression = kBitFields;
    SetMasksFor(l);
    l.masksAfterHeader = l.headerBytes == kInfoHeaderBytes;
  }
  l.pixels = Rows(Side(l.width), Side(l.height), l.bits);
  return l;
}

// Well-formed run-length data for a bottom-up 4- or 8-bit picture: each
// row one encoded run, then the rest as an absolute run (or single runs
// when fewer than three pixels are left), rows ended by end-of-line and
// the picture by end-of-bitmap.
std::vector<std::uint8_t> RleRuns(std::uint32_t width, std::uint32_t height, std::uint32_t bits) {
  std::vector<std::uint8_t> s;
  for (std::uint32_t y = 0; y < height; ++y) {
    std::uint32_t left = width;
    const std::uint32_t first = std::min<std::uint32_t>(1 + y % width, 255);
    s.push_back(static_cast<std::uint8_t>(first));
    s.push_back(static_cast<std::uint8_t>(bits == 8 ? y : 0x12));
    left -= first;
    while (left >= 3) {
      const std::uint32_t n = std::min<std::uint32_t>(left, 255);
      s.push_back(0);
      s.push_back(static_cast<std::uint8_t>(n));
      const std::uint32_t bytes = bits == 8 ? n : (n + 1) / 2;
      for (std::uint32_t i = 0; i < bytes; ++i) s.push_back(static_cast<std::uint8_t>(i * 17 + y));
      if (bytes % 2 != 0) s.push_back(0);  // absolute runs end on a word boundary
      left -= n;
    }
    for (; left > 0; --left) {
      s.push_back(1);
      s.push_back(0x34);
    }
    s.push_back(0);
    s.push_back(y + 1 == height ? 1 : 0);
  }
  return s;
}

Layout Rle(std::uint32_t bits, std::int32_t width, std::int32_t height, std::vector<std::uint8_t> runs) {
  Layout l;
  l.bits = bits;
  l.compression = bits == 8 ? kRLE8 : kRLE4;
  l.width = width;
  l.height = height;
  l.paletteEntries = 1u << bits;
  l.imageBytes = static_cast<std::uint32_t>(runs.size());
  l.pixels = std::move(runs);
  return l;
}

// Any whole file: the kinds the check has to let through.
std::vector<std::uint8_t> AnyValid(Dice& dice, std::uint32_t seed) {
  static constexpr int kShapes[] = {0, 1, 1, 2, 3, 4};
  const std::int32_t w = static_cast<std::int32_t>(1 + dice.Below(40));
  const std::int32_t h = static_cast<std::int32_t>(1 + dice.Below(40));
  switch (Cycle(kShapes, seed)) {
    case 0: {
      static constexpr int kDepths[] = {1, 4, 8, 16, 24, 32};
      // One roll per statement: the compiler picks the order of arguments.
      const int bits = dice.Pick(kDepths);
      return ValidBitmap(w, h, bits, dice.Below(2) == 0);
    }
    case 2:
      return Assemble(Rle(8, w, h, RleRuns(Side(w), Side(h), 8)));
    case 3:
      return Assemble(Rle(4, w, h, RleRuns(Side(w), Side(h), 4)));
    case 4: {
      Layout l = Base(dice, false);
      l.bits = dice.Below(2) == 0 ? 16 : 32;
      l.paletteEntries = 0;
      l.compression = kBitFields;
      l.masksAfterHeader = true;
      SetMasksFor(l);
      l.pixels = Rows(Side(l.width), Side(l.height), l.bits);
      return Assemble(l);
    }
    default:
      return Assemble(Base(dice));
  }
}

std::vector<std::uint8_t> Truncated(Dice& dice, std::uint32_t seed) {
  std::vector<std::uint8_t> b = AnyValid(dice, seed);
  // Mostly cut inside the headers and palette, where the check reads.
  const std::size_t limit = dice.Below(2) == 0 ? std::min<std::size_t>(b.size(), 200) : b.size();
  b.resize(dice.Below(static_cast<std::uint32_t>(limit)));
  return b;
}

std::vector<std::uint8_t> WrongMagic(Dice& dice, std::uint32_t seed) {
  // Other OS/2 array kinds, the bytes the wrong way round, lower case, zeros.
  static constexpr char kMagic[][2] = {{'B', 'A'}, {'C', 'I'}, {'C', 'P'}, {'I', 'C'},  {'P', 'T'},
                                       {'M', 'B'}, {'b', 'm'}, {'B', 0},   {0, 'M'},    {0, 0},
                                       {'B', 'N'}, {'A', 'M'}, {'B', 'm'}, {'\xFF', 'M'}};
  std::vector<std::uint8_t> b = AnyValid(dice, seed);
  const auto& m = Cycle(kMagic, seed);
  b[0] = static_cast<std::uint8_t>(m[0]);
  b[1] = static_cast<std::uint8_t>(m[1]);
  return b;
}

std::vector<std::uint8_t> WrongHeaderSize(Dice& dice, std::uint32_t seed) {
  // Near the known sizes, the OS/2 2.x ones (16 and 64), zero, and sizes
  // that only fit when read as signed or with the top bit dropped.
  static constexpr std::uint32_t kSizes[] = {0,   4,   11,  13,  16,         39,        41,
                                             64,  100, 107, 109, 123,        125,       128,
                                             138, 256, 0x10000028, 0x80000028, 0xFFFFFFFF};
  std::vector<std::uint8_t> b = AnyValid(dice, seed);
  Put32(b, 14, Cycle(kSizes, seed));
  return b;
}

std::vector<std::uint8_t> HugeSides(Dice& dice, std::uint32_t seed) {
  struct Sides {
    std::int32_t width, height;
  };
  // Each beyond a side limit or the area limit (16384 x 4096 is exactly
  // the area allowed, but its pixels are not in the file).
  static constexpr Sides kSides[] = {
      {16385, 1},      {1, 16385},       {16384, 16384}, {8193, 8193},      {16384, 4097},
      {16384, 4096},   {65535, 65535},   {100000, 100000}, {0x7FFFFFFF, 1}, {1, 0x7FFFFFFF},
      {1, -16385},     {1, INT32_MIN},   {0x7FFFFFFF, 0x7FFFFFFF}, {46341, 46341}, {65536, 65536}};
  const Sides& s = Cycle(kSides, seed);
  Layout l = Base(dice);
  // A core header holds 16-bit sides: the most it can lie is 65535.
  if (l.headerBytes == kCoreHeaderBytes && (s.width > 65535 || s.height > 65535 || s.height < 0)) {
    l.width = l.height = 65535;
  } else {
    l.width = s.width;
    l.height = s.height;
  }
  l.pixels.resize(std::min<std::size_t>(l.pixels.size(), 4096));  // the header lies, the file stays small
  return Assemble(l);
}

std::vector<std::uint8_t> NegativeWidth(Dice& dice, std::uint32_t seed) {
  static constexpr std::int32_t kWidths[] = {-1, -2, -31, -16384, -16385, -0x7FFFFFFF, INT32_MIN};
  Layout l = Base(dice, false);
  l.width = Cycle(kWidths, seed);
  if (dice.Below(3) == 0) l.height = -l.height;
  // Enough pixel data for the width taken as positive, so only its sign is wrong.
  if (l.width >= -64) l.pixels = Rows(Side(l.width), Side(l.height), l.bits);
  return Assemble(l);
}

std::vector<std::uint8_t> ZeroSide(Dice& dice, std::uint32_t seed) {
  static constexpr int kWhich[] = {0, 1, 2};  // width, height, both
  Layout l = Base(dice);
  const int which = Cycle(kWhich, seed);
  if (which != 1) l.width = 0;
  if (which != 0) l.height = 0;
  return Assemble(l);
}

std::vector<std::uint8_t> TopDown(Dice& dice, std::uint32_t seed) {
  static constexpr std::uint32_t kHeaders[] = {kInfoHeaderBytes, kV4HeaderBytes, kV5HeaderBytes};
  Layout l = Base(dice, false);
  l.headerBytes = Cycle(kHeaders, seed);
  if (l.compression == kBitFields) l.masksAfterHeader = l.headerBytes == kInfoHeaderBytes;
  l.height = -static_cast<std::int32_t>(Side(l.height));
  return Assemble(l);
}

std::vector<std::uint8_t> AnyDepth(Dice& dice, std::uint32_t seed) {
  static constexpr std::uint32_t kDepths[] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11,
                                              12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23,
                                              24, 25, 26, 27, 28, 29, 30, 31, 32, 48, 64, 65535};
  Layout l;
  l.bits = Cycle(kDepths, seed);
  l.headerBytes = dice.Below(4) == 0 ? kCoreHeaderBytes : kInfoHeaderBytes;
  // Small sides for the deepest claims, so the pixel data stays small too.
  const std::uint32_t most = l.bits > 32 ? 4 : 24;
  l.width = static_cast<std::int32_t>(1 + dice.Below(most));
  l.height = static_cast<std::int32_t>(1 + dice.Below(most));
  if (l.bits <= 8) l.paletteEntries = 1u << l.bits;
  l.pixels = Rows(Side(l.width), Side(l.height), l.bits);
  return Assemble(l);
}

std::vector<std::uint8_t> RleRandom(Dice& dice, std::uint32_t) {
  const std::uint32_t bits = dice.Below(2) == 0 ? 8 : 4;
  std::vector<std::uint8_t> runs(dice.Below(600));
  for (auto& r : runs) {
    // Plenty of zeros, so that escapes (end of line, end of bitmap, delta,
    // absolute runs) come often.
    r = dice.Below(3) == 0 ? 0 : static_cast<std::uint8_t>(dice.Next());
  }
  const auto width = static_cast<std::int32_t>(1 + dice.Below(64));
  const auto height = static_cast<std::int32_t>(1 + dice.Below(64));
  Layout l = Rle(bits, width, height, std::move(runs));
  if (dice.Below(8) == 0) l.imageBytes += dice.Below(64);  // a size that claims more than is there
  return Assemble(l);
}

std::vector<std::uint8_t> RleMalformed(Dice& dice, std::uint32_t seed) {
  enum Fault {
    kRunPastRow,       // one encoded run longer than the row
    kAbsolutePastRow,  // an absolute run longer than the row
    kRowsPastImage,    // more rows than the height
    kDeltaPastImage,   // a delta that jumps out of the picture
    kAbsolutePastEnd,  // an absolute run longer than the data left
    kNoEndOfBitmap,    // the data just stops
    kCutEscape,        // the data ends inside an escape
    kUnpadded,         // an odd absolute run without its padding byte
    kOnlyEnd,          // nothing but end-of-bitmap
    kSizeBeyondFile,   // biSizeImage larger than what follows bfOffBits
    kSizeZero,         // biSizeImage left at zero
    kWrongDepth,       // RLE8 at 4 bits, RLE4 at 8
    kTopDownRle,       // negative height, which compressed pictures cannot have
  };
  static constexpr Fault kFaults[] = {kRunPastRow,      kAbsolutePastRow, kRowsPastImage, kDeltaPastImage,
                                      kAbsolutePastEnd, kNoEndOfBitmap,   kCutEscape,     kUnpadded,
                                      kOnlyEnd,         kSizeBeyondFile,  kSizeZero,      kWrongDepth,
                                      kTopDownRle};
  const std::uint32_t bits = dice.Below(2) == 0 ? 8 : 4;
  const std::int32_t w = static_cast<std::int32_t>(1 + dice.Below(16));
  const std::int32_t h = static_cast<std::int32_t>(1 + dice.Below(16));
  std::vector<std::uint8_t> runs;
  const Fault fault = Cycle(kFaults, seed);
  switch (fault) {
    case kRunPastRow:
      runs = {255, 0x21, 0, 0, static_cast<std::uint8_t>(w + 1), 0x43, 0, 1};
      break;
    case kAbsolutePastRow:
      runs = {0, 200};
      runs.resize(2 + 200, 0x11);
      runs.insert(runs.end(), {0, 1});
      break;
    case kRowsPastImage:
      for (std::int32_t y = 0; y < h + 5; ++y) runs.insert(runs.end(), {1, 0x05, 0, 0});
      runs.insert(runs.end(), {0, 1});
      break;
    case kDeltaPastImage:
      runs = {2, 0x07, 0, 2, 255, 255, 4, 0x08, 0, 2, 0, static_cast<std::uint8_t>(h), 1, 1, 0, 1};
      break;
    case kAbsolutePastEnd:
      runs = {0, 250, 1, 2, 3};
      break;
    case kNoEndOfBitmap:
      runs = RleRuns(Side(w), Side(h), bits);
      runs.resize(runs.size() - 2);
      break;
    case kCutEscape:
      runs = RleRuns(Side(w), Side(h), bits);
      runs.resize(runs.size() - 2);
      runs.insert(runs.end(), {0, 2, 5});  // a delta missing its last byte
      break;
    case kUnpadded:
      runs = {0, 5, 1, 2, 3, 4, 5, 0, 0, 0, 1};  // no pad after the five (or three) bytes
      if (bits == 4) runs = {0, 5, 0x12, 0x34, 0x50, 0, 0, 0, 1};
      break;
    case kOnlyEnd:
      runs = {0, 1};
      break;
    default:
      runs = RleRuns(Side(w), Side(h), bits);
      break;
  }
  Layout l = Rle(bits, w, h, std::move(runs));
  if (fault == kSizeBeyondFile) l.imageBytes += 1 + dice.Below(1000);
  if (fault == kSizeZero) l.imageBytes = 0;
  if (fault == kWrongDepth) l.compression = bits == 8 ? kRLE4 : kRLE8;
  if (fault == kTopDownRle) l.height = -l.height;
  return Assemble(l);
}

std::vector<std::uint8_t> BitFieldsMasks(Dice& dice, std::uint32_t seed) {
  struct Masks {
    std::uint32_t red, green, blue, alpha;
  };
  static constexpr Masks kMasks[] = {
      {0, 0, 0, 0},                                       // none
      {0xF800, 0x07E0, 0x001F, 0},                        // 5-6-5
      {0x7C00, 0x03E0, 0x001F, 0x8000},                   // 1-5-5-5
      {0xFF0000, 0xFF00, 0xFF, 0xFF000000},               // 8-8-8-8
      {0xFFFF, 0xFF00, 0x0FF0, 0},                        // overlapping
      {0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF},   // full, all of them
      {0x55555555, 0xAAAAAAAA, 0x0F0F0F0F, 0xF0F0F0F0},   // not contiguous
      {0x80000000, 1, 0x10000, 0},                        // single bits
      {0xFF000000, 0xFF0000, 0xFF00, 0xFF},               // beyond 16 bits
      {0x3FF00000, 0xFFC00, 0x3FF, 0xC0000000},           // 10-10-10-2
  };
  static constexpr std::uint32_t kDepths[] = {16, 32, 16, 32, 24, 8, 1};
  static constexpr std::uint32_t kHeaders[] = {kInfoHeaderBytes, kInfoHeaderBytes, 52, 56, kV4HeaderBytes,
                                               kV5HeaderBytes};
  Layout l = Base(dice, false);
  const Masks& m = Cycle(kMasks, seed);
  l.masks[0] = m.red, l.masks[1] = m.green, l.masks[2] = m.blue, l.masks[3] = m.alpha;
  l.compression = kBitFields;
  l.bits = dice.Pick(kDepths);
  l.headerBytes = dice.Pick(kHeaders);
  // A 40-byte header's masks follow it; sometimes they are left out, and
  // the first pixels stand in for them.
  l.masksAfterHeader = l.headerBytes == kInfoHeaderBytes && dice.Below(4) != 0;
  l.paletteEntries = l.bits <= 8 ? 1u << l.bits : 0;
  l.pixels = Rows(Side(l.width), Side(l.height), l.bits);
  return Assemble(l);
}

std::vector<std::uint8_t> LyingPalette(Dice& dice, std::uint32_t seed) {
  enum Lie {
    kAllOnes,      // biClrUsed 0xFFFFFFFF
    kHuge,         // biClrUsed 2^30, which times four wraps a 32-bit size
    kBeyondDepth,  // more than the depth can index, all of them present
    kAboveDepth,   // more than the depth can index, only the usual ones present
    kFewerHeld,    // the depth's number claimed, fewer in the file
    kNoneHeld,     // no biClrUsed, and no palette at all
    kCoreShort,    // a core header (whose palette size the depth implies) with fewer entries
  };
  static constexpr Lie kLies[] = {kAllOnes, kHuge, kBeyondDepth, kAboveDepth, kFewerHeld, kNoneHeld, kCoreShort};
  static constexpr std::uint32_t kDepths[] = {1, 4, 8};
  Layout l = Base(dice, false);
  l.compression = kRGB;
  l.bits = dice.Pick(kDepths);
  l.height = static_cast<std::int32_t>(Side(l.height));
  const std::uint32_t full = 1u << l.bits;
  l.paletteEntries = full;
  switch (Cycle(kLies, seed)) {
    case kAllOnes:
      l.colorsUsed = 0xFFFFFFFF;
      break;
    case kHuge:
      l.colorsUsed = 0x40000000;
      break;
    case kBeyondDepth:
      l.colorsUsed = l.paletteEntries = full + 1 + dice.Below(300);
      break;
    case kAboveDepth:
      l.colorsUsed = full + 1 + dice.Below(1000);
      break;
    case kFewerHeld:
      l.colorsUsed = full;
      l.paletteEntries = dice.Below(full);
      break;
    case kNoneHeld:
      l.paletteEntries = 0;
      break;
    case kCoreShort:
      l.headerBytes = kCoreHeaderBytes;
      l.paletteEntries = dice.Below(full);
      break;
  }
  l.pixels = Rows(Side(l.width), Side(l.height), l.bits);
  return Assemble(l);
}

std::vector<std::uint8_t> Planes(Dice& dice, std::uint32_t seed) {
  static constexpr std::uint32_t kPlanes[] = {0, 2, 3, 4, 8, 0x100, 0x8001, 0xFFFF};
  Layout l = Base(dice);
  l.planes = Cycle(kPlanes, seed);
  return Assemble(l);
}

std::vector<std::uint8_t> PixelOffset(Dice& dice, std::uint32_t seed) {
  enum Where { kZero, kOne, kInFileHeader, kAtInfoHeader, kInInfoHeader, kLastHeaderByte,
               kAtEnd, kPastEnd, kFarPastEnd, kSignedMax, kTopBit, kAllOnes };
  static constexpr Where kWheres[] = {kZero,  kOne,    kInFileHeader, kAtInfoHeader, kInInfoHeader, kLastHeaderByte,
                                      kAtEnd, kPastEnd, kFarPastEnd,  kSignedMax,    kTopBit,       kAllOnes};
  Layout l = Base(dice);
  std::vector<std::uint8_t> b = Assemble(l);
  const std::uint32_t size = static_cast<std::uint32_t>(b.size());
  const std::uint32_t headerEnd = kFileHeaderBytes + l.headerBytes;
  std::uint32_t at = 0;
  switch (Cycle(kWheres, seed)) {
    case kZero: at = 0; break;
    case kOne: at = 1; break;
    case kInFileHeader: at = 2 + dice.Below(12); break;
    case kAtInfoHeader: at = kFileHeaderBytes; break;
    case kInInfoHeader: at = kFileHeaderBytes + dice.Below(l.headerBytes); break;
    case kLastHeaderByte: at = headerEnd - 1; break;
    case kAtEnd: at = size; break;  // no room left for any pixel
    case kPastEnd: at = size + 1; break;
    case kFarPastEnd: at = size + 1 + dice.Below(1u << 20); break;
    case kSignedMax: at = 0x7FFFFFFF; break;
    case kTopBit: at = 0x80000000; break;
    case kAllOnes: at = 0xFFFFFFFF; break;
  }
  Put32(b, 10, at);
  return b;
}

std::vector<std::uint8_t> FlippedBytes(Dice& dice, std::uint32_t seed) {
  static constexpr std::uint8_t kValues[] = {0x00, 0xFF, 0x80, 0x7F, 0x01};
  std::vector<std::uint8_t> b = AnyValid(dice, seed);
  const std::uint32_t flips = 1 + dice.Below(8);
  for (std::uint32_t i = 0; i < flips; ++i) {
    // Mostly in the part the check reads.
    const std::size_t span = dice.Below(4) != 0 ? std::min<std::size_t>(b.size(), 14 + 124) : b.size();
    std::uint8_t& byte = b[dice.Below(static_cast<std::uint32_t>(span))];
    switch (dice.Below(3)) {
      case 0: byte ^= static_cast<std::uint8_t>(1u << dice.Below(8)); break;
      case 1: byte = dice.Pick(kValues); break;
      default: byte = static_cast<std::uint8_t>(dice.Next()); break;
    }
  }
  return b;
}

struct Kind {
  const char* name;
  std::vector<std::uint8_t> (*make)(Dice&, std::uint32_t);
};

// In the order of BitmapMutation.
constexpr Kind kKinds[] = {
    {"valid", AnyValid},
    {"truncated", Truncated},
    {"wrong magic", WrongMagic},
    {"wrong header size", WrongHeaderSize},
    {"huge sides", HugeSides},
    {"negative width", NegativeWidth},
    {"zero width or height", ZeroSide},
    {"top-down", TopDown},
    {"any depth", AnyDepth},
    {"RLE random runs", RleRandom},
    {"RLE malformed runs", RleMalformed},
    {"bit fields masks", BitFieldsMasks},
    {"lying palette", LyingPalette},
    {"planes not 1", Planes},
    {"pixel offset outside", PixelOffset},
    {"flipped bytes", FlippedBytes},
};
static_assert(sizeof kKinds / sizeof kKinds[0] == static_cast<std::size_t>(kMutationKinds));

}  // namespace

std::vector<std::uint8_t> ValidBitmap(int width, int height, int bitsPerPixel, bool topDown) {
  const std::uint32_t bits = static_cast<std::uint32_t>(bitsPerPixel);
  if (width < 1 || height < 1 ||
      (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)) {
    return {};
  }
  Layout l;
  l.width = width;
  l.height = topDown ? -height : height;
  l.bits = bits;
  l.paletteEntries = bits <= 8 ? 1u << bits : 0;
  l.pixels = Rows(static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height), bits,
                  std::numeric_limits<std::size_t>::max());
  return Assemble(l);
}

BitmapMutation MutationOf(std::uint32_t seed) {
  return static_cast<BitmapMutation>(seed % kMutationKinds);
}

const char* MutationName(BitmapMutation mutation) {
  const auto i = static_cast<std::size_t>(mutation);
  return i < static_cast<std::size_t>(kMutationKinds) ? kKinds[i].name : "unknown";
}

std::vector<std::uint8_t> MutatedBitmap(std::uint32_t seed) {
  Dice dice(seed);
  std::vector<std::uint8_t> b = kKinds[static_cast<std::size_t>(MutationOf(seed))].make(dice, seed);
  if (b.size() > kMaxMutatedBitmapBytes) b.resize(kMaxMutatedBitmapBytes);
  return b;
}

}  // namespace vornal::test
