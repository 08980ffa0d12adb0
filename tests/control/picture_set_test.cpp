// The published picture set as every hooked process checks it before it
// reads a pixel: a whole set passes, and a set that lies anywhere is
// refused (the library then reads the files itself).
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

#include "pictures/picture_choice.h"
#include "picture_set.h"

namespace vornal {
namespace {

// A whole set of one 256x64 picture of 32 bits in slot 0.
std::vector<std::uint8_t> WholeSet() {
  PictureSetHeader h;
  h.magic = kPictureSetMagic;
  PictureEntry& e = h.entries[0];
  e.present = 1;
  e.width = 256;
  e.height = 64;
  e.bitsPerPixel = 32;
  e.rowBytes = static_cast<std::uint32_t>(RowBytes(256, 32));
  e.bytes = std::uint64_t{e.rowBytes} * 64;
  e.offset = PictureOffsetAfter(sizeof h);
  std::strcpy(e.path, "C:\\pictures\\tile.bmp");
  h.setBytes = e.offset + e.bytes;
  std::vector<std::uint8_t> set(h.setBytes);
  std::memcpy(set.data(), &h, sizeof h);
  return set;
}

PictureSetHeader& Header(std::vector<std::uint8_t>& set) {
  return *reinterpret_cast<PictureSetHeader*>(set.data());
}

TEST(PictureSet, AWholeSetPassesAndOneThatLiesAnywhereIsRefused) {
  std::vector<std::uint8_t> whole = WholeSet();
  ASSERT_TRUE(CheckPictureSet(whole.data(), whole.size()));
  using Damage = std::function<void(PictureSetHeader&, std::uint64_t& mapped)>;
  const struct {
    const char* what;
    Damage damage;
  } cases[] = {
      {"no magic yet (still being filled)", [](auto& h, auto&) { h.magic = 0; }},
      {"another layout", [](auto& h, auto&) { h.layout = 2; }},
      {"larger than what is mapped", [](auto& h, auto& m) { m = h.setBytes - 1; }},
      {"smaller than its header", [](auto& h, auto&) { h.setBytes = 8; }},
      {"present neither 0 nor 1", [](auto& h, auto&) { h.entries[0].present = 7; }},
      {"no width", [](auto& h, auto&) { h.entries[0].width = 0; }},
      {"a side beyond 16384", [](auto& h, auto&) { h.entries[0].height = 16385; }},
      {"24 bits", [](auto& h, auto&) { h.entries[0].bitsPerPixel = 24; }},
      {"masks on 32 bits", [](auto& h, auto&) { h.entries[0].redMask = 0xFF0000; }},
      {"16 bits without masks", [](auto& h, auto&) { h.entries[0].bitsPerPixel = 16; }},
      {"rows of the wrong length", [](auto& h, auto&) { h.entries[0].rowBytes += 4; }},
      {"bytes not rows times height", [](auto& h, auto&) { h.entries[0].bytes -= 1; }},
      {"pixels inside the header", [](auto& h, auto&) { h.entries[0].offset = 0; }},
      {"pixels not on 16 bytes", [](auto& h, auto&) { h.entries[0].offset += 4; }},
      {"pixels past the end", [](auto& h, auto&) { h.entries[0].offset += 16; }},
      {"an offset that wraps", [](auto& h, auto&) { h.entries[0].offset = ~std::uint64_t{0} - 15; }},
      {"a path without its end", [](auto& h, auto&) { std::memset(h.entries[0].path, 'x', kPicturePathChars); }},
  };
  for (const auto& c : cases) {
    std::vector<std::uint8_t> set = WholeSet();
    std::uint64_t mapped = set.size();
    c.damage(Header(set), mapped);
    EXPECT_FALSE(CheckPictureSet(set.data(), mapped)) << c.what;
  }
  EXPECT_FALSE(CheckPictureSet(nullptr, whole.size()));
  EXPECT_FALSE(CheckPictureSet(whole.data(), sizeof(PictureSetHeader) - 1)) << "not even a header mapped";
}

TEST(PictureSet, FormatsNamesAndTileSizes) {
  EXPECT_EQ(FormatForScreen(32).bitsPerPixel, 32);
  EXPECT_EQ(FormatForScreen(24).bitsPerPixel, 32) << "24-bit screens take 32-bit pixels";
  EXPECT_EQ(FormatForScreen(16).bitsPerPixel, 16);
  EXPECT_EQ(FormatForScreen(16).greenMask, 0x07E0u);
  EXPECT_EQ(FormatForScreen(8).bitsPerPixel, 32);
  EXPECT_EQ(RowBytes(3, 16), 8u) << "rows padded to 4 bytes";
  EXPECT_EQ(RowBytes(37, 32), 148u);
  PictureSetName name;
  PictureSetNameOf(4294967295u, name);
  EXPECT_STREQ(name, "Local\\VornalPictures.4294967295");
}

// The TV picture serves list views too; a switched-off effect publishes
// nothing, so that no process maps a picture no effect paints.
TEST(PictureSet, PublishedPathsFollowTheSwitches) {
  struct Row {
    bool window, mdi, treeView, listView;
    const char* expected[kPictureSlots];
  };
  const Row rows[] = {
      {false, false, false, false, {"", "", ""}},
      {true, false, false, false, {"w.bmp", "", ""}},
      {false, true, false, false, {"", "m.bmp", ""}},
      {false, false, true, false, {"", "", "t.bmp"}},
      {false, false, false, true, {"", "", "t.bmp"}},
      {true, true, true, true, {"w.bmp", "m.bmp", "t.bmp"}},
  };
  for (const Row& r : rows) {
    Settings s;
    s.Set(Check::WindowWallpaper, r.window);
    s.Set(Check::MdiWallpaper, r.mdi);
    s.Set(Check::TreeViewWallpaper, r.treeView);
    s.Set(Check::ListViewWallpaper, r.listView);
    s.Text(TextField::WindowWallpaper).Assign("w.bmp");
    s.Text(TextField::MDIWallpaper).Assign("m.bmp");
    s.Text(TextField::TVWallpaper).Assign("t.bmp");
    const PicturePaths paths = PublishedPicturePaths(s);
    for (int i = 0; i < kPictureSlots; ++i) {
      EXPECT_EQ(paths[static_cast<std::size_t>(i)], r.expected[i])
          << "slot " << i << " with window " << r.window << ", MDI " << r.mdi << ", tree " << r.treeView
          << ", list " << r.listView;
    }
  }
}

}  // namespace
}  // namespace vornal
