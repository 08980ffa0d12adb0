#include "shell/start_caption.h"

#include <cstdio>

namespace vornal {

std::string FreeMemoryCaption(std::uint64_t freeBytes, char decimalSeparator, bool& useSaved) {
  useSaved = false;
  const double megabytes = static_cast<double>(freeBytes) / 1048576.0;
  const auto whole = static_cast<unsigned long long>(megabytes);
  char text[32];
  if (whole < 1000) {
    std::snprintf(text, sizeof text, "%llu", whole);
  } else if (whole < 10000) {
    std::snprintf(text, sizeof text, "%1.2f", megabytes / 1024.0);
  } else if (whole < 100000) {
    std::snprintf(text, sizeof text, "%2.1f", megabytes / 1024.0);
  } else {
    useSaved = true;
    return {};
  }
  std::string caption = text;
  for (char& c : caption) {
    if (c == '.') c = decimalSeparator;
  }
  return caption;
}

}  // namespace vornal
