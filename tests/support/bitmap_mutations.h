// Bitmap files, whole ones and damaged or odd ones, for putting the
// bitmap check (common/bitmap_file.h) through what a wallpaper picked by a
// user, or by another program, could hold. Platform-free: only the
// standard library, so the native tests and the fuzzer can use it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vornal::test {

// A whole file with a BITMAPINFOHEADER: bitsPerPixel 1, 4 or 8 with a full
// palette, or 16, 24 or 32; rows padded to 4 bytes, pixels in a simple
// pattern; rows stored from the top down when topDown. Sides below 1 or
// another depth give an empty vector.
std::vector<std::uint8_t> ValidBitmap(int width, int height, int bitsPerPixel, bool topDown);

// What MutatedBitmap made of a seed. The kinds follow one another as the
// seed counts up, so any run of kMutationKinds seeds has each one.
enum class BitmapMutation : std::uint8_t {
  kValid,            // a whole file of any header kind (core, info, V4, V5, RLE, bit fields)
  kTruncated,        // a whole file cut short at some point
  kWrongMagic,       // not "BM" (other OS/2 array kinds, swapped, lower case)
  kWrongHeaderSize,  // an info header size the check does not know
  kHugeSides,        // sides or area beyond the limits; the file itself stays small
  kNegativeWidth,    // width below zero
  kZeroSide,         // width or height (or both) zero
  kTopDown,          // negative height: rows from the top down, otherwise whole
  kAnyDepth,         // every depth 0 to 32, and 48, 64 and 65535
  kRleRandom,        // RLE4 or RLE8 with random run data
  kRleMalformed,     // RLE runs past a row's end or the image's, bad deltas, cut escapes
  kBitFieldsMasks,   // BI_BITFIELDS with zero, overlapping, full or odd masks
  kLyingPalette,     // biClrUsed huge or beyond the depth, or more than the file holds
  kPlanes,           // planes other than 1
  kPixelOffset,      // bfOffBits beyond the file or inside the headers
  kFlippedBytes,     // a whole file with some bytes changed at random
};
inline constexpr int kMutationKinds = static_cast<int>(BitmapMutation::kFlippedBytes) + 1;

BitmapMutation MutationOf(std::uint32_t seed);
const char* MutationName(BitmapMutation mutation);

// The file of kind MutationOf(seed), shaped by the seed: the same seed
// always gives the same bytes. Never more than kMaxMutatedBitmapBytes.
std::vector<std::uint8_t> MutatedBitmap(std::uint32_t seed);
inline constexpr std::size_t kMaxMutatedBitmapBytes = 1024 * 1024;

}  // namespace vornal::test
