// The edge between Windows and the control program's own code. Windows
// calls a dialog, window or subclass procedure, an enumeration callback or
// a common-dialog hook from system code that knows nothing of C++
// exceptions: one thrown through it ends the program, or is lost inside
// the system with the program's state as it was at the throw. So every
// callback is noexcept, and one whose body may throw (it uses std::string,
// std::vector or std::function, allocates, or runs the form's handlers)
// runs the body through Guarded, which answers for a body that threw the
// way the callback answers a message it does not handle.
#pragma once

#include <type_traits>

namespace vornal {

// body(), or neutral when body throws: a value, or a call for one that
// must not throw itself (passing the message on to the procedure before
// ours, say). A handler that threw has done part of its work at most;
// the neutral answer leaves the rest to the system, as for a message the
// program does not handle.
template <typename Body, typename Neutral>
auto Guarded(Body&& body, Neutral&& neutral) noexcept -> decltype(body()) {
  try {
    return body();
  } catch (...) {
    if constexpr (std::is_invocable_v<Neutral&>) {
      return neutral();
    } else {
      return neutral;
    }
  }
}

}  // namespace vornal
