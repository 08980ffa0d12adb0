// A record with exactly the given check boxes on, the rest at defaults.
#pragma once

#include <initializer_list>

#include "settings_record.h"

namespace vornal::hooklib {

inline Settings With(std::initializer_list<Check> checks) {
  Settings s = DefaultSettings();
  for (Check c : kAllChecks) s.Set(c, false);
  for (Check c : checks) s.Set(c, true);
  return s;
}

}  // namespace vornal::hooklib
