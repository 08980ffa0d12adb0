// Timing helpers of the benchmarks.
#pragma once

#include <windows.h>

namespace vornal::bench {

inline double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Nanoseconds per call of call(), best of a few rounds.
template <typename Call>
double NanosecondsPerCall(int calls, Call&& call) {
  double best = 1e300;
  for (int round = 0; round < 5; ++round) {
    LARGE_INTEGER start;
    LARGE_INTEGER end;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < calls; ++i) call();
    QueryPerformanceCounter(&end);
    const double ns = Seconds(start, end) * 1e9 / calls;
    if (ns < best) best = ns;
  }
  return best;
}

}  // namespace vornal::bench
