// The guard every Win32 callback of the control program runs its body
// through.
#include <gtest/gtest.h>

#include <new>

#include "callback_guard.h"

namespace vornal {
namespace {

TEST(Guarded, AnswersTheBodysResultOrTheNeutralOneWhenItThrows) {
  const struct {
    const char* what;
    int (*body)();
    int expected;
    int neutralCalls;
  } cases[] = {
      {"a body that returns", [] { return 5; }, 5, 0},
      {"out of memory", []() -> int { throw std::bad_alloc(); }, -2, 1},
      {"anything else thrown", []() -> int { throw 3; }, -2, 1},
  };
  for (const auto& c : cases) {
    int calls = 0;
    EXPECT_EQ(Guarded(c.body, [&] { return ++calls, -2; }), c.expected) << c.what;
    EXPECT_EQ(calls, c.neutralCalls) << c.what;
  }
  EXPECT_EQ(Guarded([]() -> int { throw 3; }, 0), 0) << "a neutral value";
}

}  // namespace
}  // namespace vornal
