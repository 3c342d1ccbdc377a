#include "cli/json_text.h"

#include <cmath>
#include <cstdio>

namespace kragmoor::cli {

namespace {

// Length of the valid UTF-8 sequence at s[i], or 0 when the byte there does not start one.
std::size_t Utf8Length(std::string_view s, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = byte(i);
    std::size_t n = 0;
    unsigned int min = 0;
    unsigned int cp = 0;
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2, cp = c & 0x1Fu, min = 0x80;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3, cp = c & 0x0Fu, min = 0x800;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4, cp = c & 0x07u, min = 0x10000;
    } else {
        return 0;
    }
    if (i + n > s.size()) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        if ((byte(i + k) & 0xC0u) != 0x80u) return 0;
        cp = (cp << 6) | (byte(i + k) & 0x3Fu);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return n;
}

void AppendEscape(std::string& out, unsigned int code) {
    const char* hex = "0123456789abcdef";
    out += "\\u00";
    out.push_back(hex[(code >> 4) & 15u]);
    out.push_back(hex[code & 15u]);
}

}  // namespace

void AppendJsonString(std::string& out, std::string_view s) {
    out.push_back('"');
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c == '"' || c == '\\') {
            out.push_back('\\');
            out.push_back(static_cast<char>(c));
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c < 0x20 || c == 0x7F) {
            AppendEscape(out, c);
        } else if (c >= 0x80) {
            const std::size_t n = Utf8Length(s, i);
            if (n == 0) {
                AppendEscape(out, c);
                ++i;
            } else {
                out.append(s.substr(i, n));
                i += n;
            }
            continue;
        } else {
            out.push_back(static_cast<char>(c));
        }
        ++i;
    }
    out.push_back('"');
}

std::string JsonString(std::string_view s) {
    std::string out;
    AppendJsonString(out, s);
    return out;
}

std::string JsonArray(const std::vector<std::string>& json_values) {
    std::string out = "[";
    for (std::size_t i = 0; i < json_values.size(); ++i) {
        if (i > 0) out += ", ";
        out += json_values[i];
    }
    return out + "]";
}

std::string JsonNumber(double value) {
    if (!std::isfinite(value)) return "null";
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

void JsonObject::Add(std::string_view key, std::string_view json_value) {
    fields_ += fields_.empty() ? "  " : ",\n  ";
    AppendJsonString(fields_, key);
    fields_ += ": ";
    fields_ += json_value;
}

std::string JsonObject::Text() const {
    return "{\n" + fields_ + "\n}\n";
}

}  // namespace kragmoor::cli
