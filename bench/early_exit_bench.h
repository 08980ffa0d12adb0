// Every handled message whose effect is switched off, and an unlisted
// message, through the library's hook procedure beside an empty function
// called the same way in the same run.
#pragma once

namespace vornal::bench {

void RunEarlyExitBench();

}  // namespace vornal::bench
