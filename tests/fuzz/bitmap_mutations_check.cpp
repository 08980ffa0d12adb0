// Runs the bitmap check over the files of tests/support/bitmap_mutations
// and prints, per kind, how many it let through. Fails when a whole file
// is refused, when a kind that is damaged every time gets through, when a
// file breaks the size bound, or when a kind never turns up (the generator
// would then have stopped testing something). Built by scripts/fuzz under
// ASan and UBSan before the fuzzer runs.
#include <cstdint>
#include <cstdio>
#include <vector>

#include "bitmap_file.h"
#include "bitmap_mutations.h"

namespace {

using vornal::test::BitmapMutation;

// What the check must say of every file of a kind: whole files must pass;
// files with a fault the check looks for must not; the rest depend on
// what the seed did (a flipped byte may land in a pixel).
enum class Expect { kPass, kRefuse, kEither };

Expect Expected(BitmapMutation m) {
  switch (m) {
    case BitmapMutation::kValid:
    case BitmapMutation::kTopDown:
      return Expect::kPass;
    case BitmapMutation::kTruncated:
    case BitmapMutation::kWrongMagic:
    case BitmapMutation::kWrongHeaderSize:
    case BitmapMutation::kHugeSides:
    case BitmapMutation::kNegativeWidth:
    case BitmapMutation::kZeroSide:
    case BitmapMutation::kPlanes:
    case BitmapMutation::kPixelOffset:
      return Expect::kRefuse;
    default:
      return Expect::kEither;
  }
}

const char* ExpectName(Expect e) {
  return e == Expect::kPass ? "all pass" : e == Expect::kRefuse ? "none pass" : "either";
}

// The check as the program uses it: only the start of the file, in a
// buffer of exactly that size so that ASan sees any read past it.
bool Check(const std::vector<std::uint8_t>& file, vornal::BitmapFileInfo& info) {
  const std::size_t count = file.size() < vornal::kBitmapHeaderBytes ? file.size() : vornal::kBitmapHeaderBytes;
  const std::vector<std::uint8_t> start(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(count));
  return vornal::ReadBitmapFileHeader(start.data(), start.size(), file.size(), info);
}

}  // namespace

int main() {
  int failures = 0;

  static constexpr int kDepths[] = {1, 4, 8, 16, 24, 32};
  struct Sides {
    int width, height;
  };
  static constexpr Sides kSides[] = {{1, 1}, {2, 3}, {5, 7}, {31, 17}, {33, 1}, {1, 40}, {64, 64}};
  for (const int bits : kDepths) {
    for (const bool topDown : {false, true}) {
      for (const Sides& s : kSides) {
        vornal::BitmapFileInfo info;
        const bool passed = Check(vornal::test::ValidBitmap(s.width, s.height, bits, topDown), info);
        if (!passed || info.width != s.width || info.height != s.height || info.bitsPerPixel != bits) {
          std::printf("FAIL: ValidBitmap(%d, %d, %d, %s) %s\n", s.width, s.height, bits,
                      topDown ? "top-down" : "bottom-up", passed ? "read with the wrong sides or depth" : "refused");
          ++failures;
        }
      }
    }
  }

  constexpr std::uint32_t kSeeds = 10000;
  int tried[vornal::test::kMutationKinds] = {};
  int passed[vornal::test::kMutationKinds] = {};
  for (std::uint32_t seed = 0; seed < kSeeds; ++seed) {
    const BitmapMutation m = vornal::test::MutationOf(seed);
    const std::vector<std::uint8_t> file = vornal::test::MutatedBitmap(seed);
    if (file != vornal::test::MutatedBitmap(seed)) {
      std::printf("FAIL: seed %u (%s) gives different files\n", seed, vornal::test::MutationName(m));
      ++failures;
    }
    if (file.size() > vornal::test::kMaxMutatedBitmapBytes) {
      std::printf("FAIL: seed %u (%s) is %zu bytes\n", seed, vornal::test::MutationName(m), file.size());
      ++failures;
    }
    vornal::BitmapFileInfo info;
    const bool ok = Check(file, info);
    const int k = static_cast<int>(m);
    ++tried[k];
    passed[k] += ok ? 1 : 0;
    const Expect e = Expected(m);
    if ((e == Expect::kPass && !ok) || (e == Expect::kRefuse && ok)) {
      // Only the first few: one fault tends to show on many seeds.
      if (failures < 20) {
        std::printf("FAIL: seed %u (%s, %zu bytes) %s\n", seed, vornal::test::MutationName(m), file.size(),
                    ok ? "passed the check" : "was refused");
      }
      ++failures;
    }
  }

  std::printf("%-22s %6s %6s  %s\n", "mutation", "tried", "passed", "expected");
  for (int k = 0; k < vornal::test::kMutationKinds; ++k) {
    const auto m = static_cast<BitmapMutation>(k);
    std::printf("%-22s %6d %6d  %s\n", vornal::test::MutationName(m), tried[k], passed[k], ExpectName(Expected(m)));
    if (tried[k] == 0) {
      std::printf("FAIL: no seed below %u makes %s\n", kSeeds, vornal::test::MutationName(m));
      ++failures;
    }
  }
  if (failures != 0) {
    std::printf("bitmap mutations: %d failures\n", failures);
    return 1;
  }
  return 0;
}
