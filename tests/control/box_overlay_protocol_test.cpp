// The packing of a box request into a post, as both editions of the
// library and the control program read it.
#include <gtest/gtest.h>

#include "box_overlay_protocol.h"

namespace vornal {
namespace {

struct PackCase {
  const char* name;
  BoxRequest sent;
  BoxRequest received;
};

const PackCase kPackCases[] = {
    {"a titled window on the primary monitor", {100, 200, 480, 360, BoxWindowKind::Titled},
     {100, 200, 480, 360, BoxWindowKind::Titled}},
    {"a popup left of and above the primary monitor", {-1920, -300, 640, 480, BoxWindowKind::Popup},
     {-1920, -300, 640, 480, BoxWindowKind::Popup}},
    {"the widest side keeps the popup bit apart", {0, 0, 32767, 32767, BoxWindowKind::Titled},
     {0, 0, 32767, 32767, BoxWindowKind::Titled}},
    {"beyond the range: clamped, never wrapped", {-70000, 70000, 40000, -5, BoxWindowKind::Popup},
     {-32768, 32767, 32767, 0, BoxWindowKind::Popup}},
};

TEST(BoxOverlayProtocol, ARequestComesBackAsItWasSentOrClamped) {
  for (const PackCase& c : kPackCases) {
    const PackedBox packed = PackBox(c.sent);
    const BoxRequest got = UnpackBox(packed.wParam, packed.lParam);
    EXPECT_EQ(got, c.received) << c.name << ": got " << got.left << "," << got.top << " "
                               << got.width << "x" << got.height << " kind "
                               << static_cast<int>(got.kind);
    EXPECT_EQ(packed.wParam & 0x80000000u, 0u) << c.name << ": the top bit stays clear";
  }
}

}  // namespace
}  // namespace vornal
