// The exclusion list as the control program keeps it, and the defaults that
// a first start adds to what the user already has.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "exclusion_rules.h"
#include "reg_result.h"

namespace vornal {

using ExclusionList = std::vector<std::string>;

// The stored entries, every one kept as it was written, plus each default
// that is not there yet, letters A to Z compared folded (the registry does
// not tell "CSRSS.EXE" from "csrss.exe"), sorted ascending in the same
// folding, as the editor's list shows them.
ExclusionList WithDefaultExclusions(const ExclusionList& stored,
                                    std::span<const DefaultExclusion> defaults);

// Whether the defaults of table version tableVersion are still to be added,
// given how reading the stored marker went and, when it went well, what it
// held. A marker that cannot be read as a number counts as absent: adding
// the defaults again loses nothing, while skipping them would leave a user
// without them for good. A newer table's marker is left alone.
bool DefaultExclusionsDue(RegResult markerRead, std::uint32_t marker,
                          std::uint32_t tableVersion) noexcept;

}  // namespace vornal
