// Small helpers for writing JSON by hand: strings escaped, invalid UTF-8 bytes kept readable.
#pragma once

#include <string>
#include <string_view>

namespace kragmoor::cli {

// Appends `s` as a JSON string in double quotes. Quotes, backslashes and control characters are
// escaped; valid UTF-8 is copied as it stands; any other byte (a name in an 8-bit code page)
// is written as the Latin-1 character of the same number, so the output is always valid JSON.
void AppendJsonString(std::string& out, std::string_view s);

}  // namespace kragmoor::cli
