// Small helpers for writing JSON by hand: strings escaped, invalid UTF-8 bytes kept readable.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kragmoor::cli {

// Appends `s` as a JSON string in double quotes. Quotes, backslashes and control characters are
// escaped; valid UTF-8 is copied as it stands; any other byte (a name in an 8-bit code page)
// is written as the Latin-1 character of the same number, so the output is always valid JSON.
void AppendJsonString(std::string& out, std::string_view s);

// `s` as a JSON string, quotes included.
std::string JsonString(std::string_view s);

// Values that are already JSON text as one array on one line: [a, b, c].
std::string JsonArray(const std::vector<std::string>& json_values);

// A number as JSON text with up to 15 significant digits; null when it is not finite, for JSON
// has no infinity.
std::string JsonNumber(double value);

// A flat JSON object written one field at a time, one field a line; values are JSON text.
class JsonObject {
  public:
    void Add(std::string_view key, std::string_view json_value);
    std::string Text() const;  // the object, ended by a line end

  private:
    std::string fields_;
};

}  // namespace kragmoor::cli
