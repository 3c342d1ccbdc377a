// A small strict JSON reader for the runner's output: any text that is not one valid JSON value
// (a missing comma, a bare NaN, trailing text) throws, so reading an output checks it too.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <regex>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kragmoor::test {

struct Json {
    enum class Type { kNull, kNumber, kString, kArray, kObject };
    Type type = Type::kNull;
    double number = 0;
    std::string text;
    std::vector<std::string> keys;  // an object's keys in the order written
    std::vector<Json> items;        // an array's elements, or an object's values in that order

    bool IsNull() const { return type == Type::kNull; }
    // A field or an element; throws when there is none.
    const Json& operator[](const std::string& key) const {
        const auto at = std::find(keys.begin(), keys.end(), key);
        if (at == keys.end()) throw std::out_of_range("no " + key);
        return items[static_cast<std::size_t>(at - keys.begin())];
    }
    const Json& operator[](std::size_t i) const { return items.at(i); }
};

class JsonReader {
  public:
    static Json Read(std::string_view s) {
        JsonReader reader(s);
        Json value = reader.Value();
        if (reader.Peek() != '\0') reader.Fail("text after the value");
        return value;
    }

  private:
    explicit JsonReader(std::string_view s) : s_(s) {}

    [[noreturn]] void Fail(const std::string& what) const {
        throw std::runtime_error("JSON at " + std::to_string(at_) + ": " + what);
    }
    // The next character after blanks, '\0' at the end.
    char Peek() {
        while (at_ < s_.size() && std::string_view(" \t\r\n").find(s_[at_]) != s_.npos) ++at_;
        return at_ < s_.size() ? s_[at_] : '\0';
    }
    bool Take(char c) { return Peek() == c && (++at_, true); }
    void Expect(char c) {
        if (!Take(c)) Fail(std::string("expected ") + c);
    }

    Json Value() {
        Json v;
        if (Take('{') || Take('[')) {
            const bool object = s_[at_ - 1] == '{';
            const char end = object ? '}' : ']';
            v.type = object ? Json::Type::kObject : Json::Type::kArray;
            if (Take(end)) return v;
            do {
                if (object) {
                    const std::string key = String();
                    if (std::find(v.keys.begin(), v.keys.end(), key) != v.keys.end()) {
                        Fail("key twice: " + key);
                    }
                    v.keys.push_back(key);
                    Expect(':');
                }
                v.items.push_back(Value());
            } while (Take(','));
            Expect(end);
        } else if (Peek() == '"') {
            v.type = Json::Type::kString;
            v.text = String();
        } else if (s_.substr(at_, 4) == "null") {
            at_ += 4;
        } else {
            static const std::regex number("-?(0|[1-9][0-9]*)(\\.[0-9]+)?([eE][+-]?[0-9]+)?");
            std::match_results<std::string_view::const_iterator> m;
            if (!std::regex_search(s_.begin() + static_cast<std::ptrdiff_t>(at_), s_.end(), m,
                                   number, std::regex_constants::match_continuous)) {
                Fail("expected a value");
            }
            v.type = Json::Type::kNumber;
            v.number = std::strtod(m.str().c_str(), nullptr);
            at_ += static_cast<std::size_t>(m.length());
        }
        return v;
    }

    // The runner escapes with \u only what the strings read here never hold.
    std::string String() {
        if (!Take('"')) Fail("expected a string");
        for (std::string out;;) {
            if (at_ >= s_.size()) Fail("unterminated string");
            char c = s_[at_++];
            if (c == '"') return out;
            if (static_cast<unsigned char>(c) < 0x20) Fail("control character in a string");
            if (c == '\\') {
                const auto k =
                    std::string_view("\"\\/bfnrt").find(at_ < s_.size() ? s_[at_++] : 'u');
                if (k == std::string_view::npos) Fail("bad escape");
                c = "\"\\/\b\f\n\r\t"[k];
            }
            out += c;
        }
    }

    std::string_view s_;
    std::size_t at_ = 0;
};

}  // namespace kragmoor::test
