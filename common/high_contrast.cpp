#include "high_contrast.h"

#include <windows.h>

namespace vornal {

bool HighContrastOn() noexcept {
  HIGHCONTRASTA state{};
  state.cbSize = sizeof state;
  if (!SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof state, &state, 0)) return false;
  return (state.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

}  // namespace vornal
