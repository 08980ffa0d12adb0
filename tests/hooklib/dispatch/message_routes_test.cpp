// The dispatch table: which message numbers reach which handler. Numbers are
// written in decimal as the system documents them, not through the
// library's own constants, so that a mistyped constant shows up here.
#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

#include "dispatch/message_routes.h"

namespace vornal::hooklib {
namespace {

const std::pair<std::uint32_t, Route> kListed[] = {
    {3, Route::MDIClientChanged},     // WM_MOVE
    {11, Route::MDIClientChanged},    // WM_SETREDRAW
    {6, Route::Activate},             // WM_ACTIVATE
    {8, Route::KillFocus},            // WM_KILLFOCUS
    {20, Route::EraseBkgnd},          // WM_ERASEBKGND
    {24, Route::ShowWindow},          // WM_SHOWWINDOW
    {26, Route::SettingChange},       // WM_SETTINGCHANGE
    {32, Route::SetCursor},           // WM_SETCURSOR
    {70, Route::WindowPosChanging},   // WM_WINDOWPOSCHANGING
    {276, Route::Scrolled},           // WM_HSCROLL
    {277, Route::Scrolled},           // WM_VSCROLL
    {533, Route::CaptureChanged},     // WM_CAPTURECHANGED
    {534, Route::Moving},             // WM_MOVING
    {562, Route::ExitSizeMove},       // WM_EXITSIZEMOVE
};

bool IsListed(std::uint32_t message) {
  for (const auto& [number, route] : kListed) {
    if (number == message) return true;
  }
  return false;
}

TEST(MessageRoutes, EveryListedMessageReachesItsHandler) {
  for (const auto& [number, route] : kListed) {
    EXPECT_EQ(RouteOf(number), route) << "message " << number;
  }
}

TEST(MessageRoutes, UnlistedMessagesReachNoHandler) {
  // WM_SIZE, WM_PAINT, WM_WINDOWPOSCHANGED, WM_SIZING (resizing never makes
  // a window transparent), WM_NULL and the first registered message number.
  for (std::uint32_t number : {5u, 15u, 71u, 532u, 0u, 0xC000u, 0xFFFFFFFFu}) {
    EXPECT_EQ(RouteOf(number), Route::None) << "message " << number;
  }
  // The neighbours of every listed number, unless listed themselves.
  for (const auto& [number, route] : kListed) {
    for (std::uint32_t near : {number - 1, number + 1}) {
      if (!IsListed(near)) {
        EXPECT_EQ(RouteOf(near), Route::None) << "message " << near;
      }
    }
  }
}

// The hook procedure switches on the route of every message; it has to be
// something the compiler can fold.
static_assert(RouteOf(534) == Route::Moving);

}  // namespace
}  // namespace vornal::hooklib
