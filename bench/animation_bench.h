// The show and hide handlers and the animated box, timed in this program.
#pragma once

namespace vornal::bench {

void RunAnimationBench();

}  // namespace vornal::bench
