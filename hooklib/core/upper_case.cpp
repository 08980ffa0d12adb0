#include "core/upper_case.h"

namespace vornal::hooklib {

void UpperCaseAscii(char* text) noexcept {
  for (; *text != '\0'; ++text) {
    if (*text >= 'a' && *text <= 'z') *text = static_cast<char>(*text - 'a' + 'A');
  }
}

}  // namespace vornal::hooklib
