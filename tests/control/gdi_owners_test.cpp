// The owners whose Windows side has logic of its own: a selection puts the
// DC's previous object back however the scope ends, and a kernel handle
// owner takes both of the values create calls fail with as nothing.
#include <gtest/gtest.h>

#include <windows.h>

#include "gdi_owners.h"
#include "unique_handle.h"

namespace vornal {
namespace {

TEST(SelectedObject, PutsThePreviousObjectBackAndNothingAfterAFailedSelection) {
  const UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
  const UniqueBitmap first(CreateCompatibleBitmap(dc.Get(), 4, 4));
  const UniqueBitmap second(CreateCompatibleBitmap(dc.Get(), 4, 4));
  ASSERT_TRUE(dc && first && second);
  const HGDIOBJ original = GetCurrentObject(dc.Get(), OBJ_BITMAP);
  const auto current = [&] { return GetCurrentObject(dc.Get(), OBJ_BITMAP); };
  {
    const SelectedObject outer(dc.Get(), first.Get());
    EXPECT_TRUE(outer);
    {
      const SelectedObject inner(dc.Get(), second.Get());
      EXPECT_EQ(current(), second.Get()) << "selected";
    }
    EXPECT_EQ(current(), first.Get()) << "the inner scope puts the outer object back";
    const SelectedObject failed(dc.Get(), nullptr);
    EXPECT_FALSE(failed);
  }
  EXPECT_EQ(current(), original) << "the outer scope puts the DC's own bitmap back";
}

TEST(UniqueHandle, InvalidHandleValueOwnsNothingAndAnOwnedHandleIsClosed) {
  EXPECT_FALSE(UniqueHandle(INVALID_HANDLE_VALUE)) << "as CreateFile and snapshots fail";
  HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  DWORD flags = 0;
  {
    const UniqueHandle owned(event);
    EXPECT_TRUE(owned && GetHandleInformation(event, &flags));
  }
  EXPECT_FALSE(GetHandleInformation(event, &flags)) << "closed as the owner ended";
}

}  // namespace
}  // namespace vornal
