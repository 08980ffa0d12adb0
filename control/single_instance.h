// One copy of Vornal per log-on: the first copy holds a named mutex; a
// later copy asks the first to show its dialog and ends.
#pragma once

namespace vornal {

// True when this process is the first copy. The mutex stays held until the
// process ends. Any failure other than "already exists" counts as first.
bool BecomeTheOnlyCopy();

// Asks the running copy to show its dialog, without waiting for any window
// of the desktop to answer. A copy that has only just started has no
// dialog yet: the request waits, bounded, until its window exists.
void ShowRunningCopy();

}  // namespace vornal
