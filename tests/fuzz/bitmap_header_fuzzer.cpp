// libFuzzer target for the bitmap check (common/bitmap_file.h), which
// stands between any file a user or another program names as wallpaper
// and the system's bitmap reader, inside other programs. Run by
// scripts/fuzz. Besides the sanitizers' own findings, it traps when the
// check passes a file whose sides or depth break what the header promises.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

#include "bitmap_file.h"

namespace {

void Check(const std::uint8_t* data, std::size_t count, std::uint64_t fileSize) {
  // Only the bytes the check is given, in a buffer of their own, so that
  // ASan sees a read past count even when the input goes on.
  const std::unique_ptr<std::uint8_t[]> start(new std::uint8_t[count]);
  if (count != 0) std::memcpy(start.get(), data, count);
  vornal::BitmapFileInfo info;
  if (!vornal::ReadBitmapFileHeader(start.get(), count, fileSize, info)) return;
  const std::int64_t width = info.width;
  const std::int64_t height = info.height;
  const unsigned bits = info.bitsPerPixel;
  if (width < 1 || width > vornal::kMaxBitmapSide) __builtin_trap();
  if (height < 1 || height > vornal::kMaxBitmapSide) __builtin_trap();
  if (width * height > vornal::kMaxBitmapPixels) __builtin_trap();
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The input as a whole file.
  Check(data, size < vornal::kBitmapHeaderBytes ? size : vornal::kBitmapHeaderBytes, size);
  // The last eight bytes as the size the file claims to have (little
  // endian), the rest as its start: sizes that lie, up to 2^64 - 1, which
  // the program can meet when a file changes between its size being taken
  // and its start being read.
  if (size >= 8) {
    const std::size_t head = size - 8;
    std::uint64_t claimed = 0;
    for (int i = 7; i >= 0; --i) claimed = claimed << 8 | data[head + static_cast<std::size_t>(i)];
    Check(data, head < vornal::kBitmapHeaderBytes ? head : vornal::kBitmapHeaderBytes, claimed);
  }
  return 0;
}
