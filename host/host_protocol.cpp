#include "host_protocol.h"

#include <charconv>

namespace vornal {

// The host is built without the C++ library's strings and exceptions, so
// the text is written by hand into a buffer that always holds it.
void FormatHostArguments(const HostHandles& handles, char (&out)[kHostArgumentsSize]) {
  char* at = out;
  char* const end = out + kHostArgumentsSize - 1;
  for (const std::uint32_t value :
       {handles.controlProcess, handles.stopEvent, handles.readyEvent, handles.rescanEvent}) {
    if (at != out) *at++ = ' ';
    at = std::to_chars(at, end, value).ptr;
  }
  *at = '\0';
}

std::optional<HostHandles> ParseHostArguments(std::string_view arguments) {
  std::uint32_t values[kHostHandleCount] = {};
  const char* at = arguments.data();
  const char* const end = at + arguments.size();
  for (std::uint32_t& value : values) {
    while (at != end && *at == ' ') ++at;
    const auto [next, error] = std::from_chars(at, end, value);
    if (error != std::errc{} || next == at || value == 0) return std::nullopt;
    // Digits must end at a blank or the end: "12x" is no number.
    if (next != end && *next != ' ') return std::nullopt;
    at = next;
  }
  while (at != end && *at == ' ') ++at;
  if (at != end) return std::nullopt;
  return HostHandles{values[0], values[1], values[2], values[3]};
}

}  // namespace vornal
