// The check that a file is a whole, sensible bitmap before it is loaded.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "bitmap_file.h"
#include "little_endian_bytes.h"

namespace vornal {
namespace {

// A whole 24-bit file with a BITMAPINFOHEADER: rows of 3 * width bytes,
// padded to 4.
std::vector<std::uint8_t> BitmapFile(std::int32_t width, std::int32_t height, std::uint32_t bits = 24) {
  const std::uint32_t row = ((static_cast<std::uint32_t>(width < 0 ? -width : width) * bits + 31) / 32) * 4;
  const std::uint32_t rows = static_cast<std::uint32_t>(height < 0 ? -height : height);
  std::vector<std::uint8_t> b(54 + row * rows, 0);
  b[0] = 'B';
  b[1] = 'M';
  Put32(b, 2, static_cast<std::uint32_t>(b.size()));
  Put32(b, 10, 54);
  Put32(b, 14, 40);
  Put32(b, 18, static_cast<std::uint32_t>(width));
  Put32(b, 22, static_cast<std::uint32_t>(height));
  Put16(b, 26, 1);
  Put16(b, 28, bits);
  return b;
}

bool Readable(const std::vector<std::uint8_t>& b, std::uint64_t fileSize = 0) {
  BitmapFileInfo info;
  const std::size_t count = b.size() < kBitmapHeaderBytes ? b.size() : kBitmapHeaderBytes;
  return ReadBitmapFileHeader(b.data(), count, fileSize != 0 ? fileSize : b.size(), info);
}

TEST(BitmapFile, AcceptsWholeSensibleBitmaps) {
  BitmapFileInfo info;
  const auto b = BitmapFile(64, -48);
  ASSERT_TRUE(ReadBitmapFileHeader(b.data(), b.size() < kBitmapHeaderBytes ? b.size() : kBitmapHeaderBytes, b.size(), info));
  EXPECT_EQ(info.width, 64);
  EXPECT_EQ(info.height, 48) << "top-down rows count as a positive height";
  EXPECT_EQ(info.bitsPerPixel, 24);
  EXPECT_TRUE(Readable(BitmapFile(1, 1, 1)));
  EXPECT_TRUE(Readable(BitmapFile(13, 7, 4)));
  EXPECT_TRUE(Readable(BitmapFile(1024, 768, 32)));
}

TEST(BitmapFile, RefusesDamagedOrAbsurdFiles) {
  struct Case {
    const char* what;
    std::vector<std::uint8_t> bytes;
    std::uint64_t fileSize;
  };
  auto wrongMagic = BitmapFile(8, 8);
  wrongMagic[1] = 'A';
  auto unknownHeader = BitmapFile(8, 8);
  Put32(unknownHeader, 14, 41);
  auto twoPlanes = BitmapFile(8, 8);
  Put16(twoPlanes, 26, 2);
  auto oddDepth = BitmapFile(8, 8);
  Put16(oddDepth, 28, 7);
  auto pixelsPastTheEnd = BitmapFile(8, 8);
  Put32(pixelsPastTheEnd, 10, 0x7FFFFFFF);
  auto unknownCompression = BitmapFile(8, 8);
  Put32(unknownCompression, 30, 9);
  auto rleWithoutSize = BitmapFile(8, 8, 8);
  Put32(rleWithoutSize, 30, 1);
  auto absurdSide = BitmapFile(8, 8);
  Put32(absurdSide, 18, 100000);
  auto absurdArea = BitmapFile(8, 8);
  Put32(absurdArea, 18, 16384);
  Put32(absurdArea, 22, 16384);
  const auto whole = BitmapFile(8, 8);
  const std::vector<std::uint8_t> fileHeaderOnly(whole.begin(), whole.begin() + 14);
  auto truncated = BitmapFile(100, 100);
  const std::uint64_t cut = truncated.size() - 1;
  const Case cases[] = {
      {"wrong magic", wrongMagic, 0},
      {"unknown info header", unknownHeader, 0},
      {"two planes", twoPlanes, 0},
      {"unknown depth", oddDepth, 0},
      {"pixels said to start past the end", pixelsPastTheEnd, 0},
      {"unknown compression", unknownCompression, 0},
      {"run-length data of no size", rleWithoutSize, 0},
      {"pixel data cut short", truncated, cut},
      {"zero width", BitmapFile(0, 8), 0},
      {"zero height", BitmapFile(8, 0), 0},
      {"negative width", BitmapFile(-8, 8), 0},
      {"absurd side", absurdSide, 1ull << 40},
      {"absurd area", absurdArea, 1ull << 40},
      {"only the file header", fileHeaderOnly, 0},
      {"empty", {}, 0},
  };
  for (const Case& c : cases) {
    EXPECT_FALSE(Readable(c.bytes, c.fileSize)) << c.what;
  }
}

}  // namespace
}  // namespace vornal
