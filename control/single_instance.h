// One copy of Vornal per log-on: the first copy holds a named mutex; a
// later copy asks the first to show its dialog and ends.
#pragma once

namespace vornal {

// True when this process is the first copy. The mutex stays held until the
// process ends. Any failure other than "already exists" counts as first.
bool BecomeTheOnlyCopy();

// Asks the running copy to show its dialog, without waiting for any window
// of the desktop to answer.
void ShowRunningCopy();

}  // namespace vornal
