// A small strict JSON reader for the runner's output: any text that is not one valid JSON value
// (a missing comma, a bare NaN, trailing text) throws, so reading an output checks it too. The
// runner writes no true or false, and escapes with \u only what the strings read here never hold.
#pragma once

#include <algorithm>
#include <cstdlib>
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
    static Json Read(const std::string& s) {
        JsonReader reader;
        std::size_t at = s.find_first_not_of(" \t\r\n");
        for (std::size_t length; at != s.npos && (length = TokenLength(s, at)) > 0;
             at = s.find_first_not_of(" \t\r\n", at + length)) {
            reader.tokens_.push_back(s.substr(at, length));
        }
        if (at != s.npos) throw std::runtime_error("JSON: no token at " + std::to_string(at));
        Json value = reader.Value();
        if (reader.next_ != reader.tokens_.size()) throw std::runtime_error("JSON: text after it");
        return value;
    }

  private:
    static bool Digit(const std::string& s, std::size_t i) {
        return i < s.size() && s[i] >= '0' && s[i] <= '9';
    }
    static std::size_t Digits(const std::string& s, std::size_t i) {
        while (Digit(s, i)) ++i;
        return i;
    }

    // The length of the token at `at`: punctuation, null, a number or a string in JSON's
    // grammar; 0 for anything else.
    static std::size_t TokenLength(const std::string& s, std::size_t at) {
        if (std::string_view("{}[],:").find(s[at]) != std::string_view::npos) return 1;
        if (s.compare(at, 4, "null") == 0) return 4;
        if (s[at] == '"') {
            for (std::size_t i = at + 1; i < s.size(); ++i) {
                const unsigned char c = static_cast<unsigned char>(s[i]);
                if (c == '"') return i + 1 - at;
                if (c < 0x20) return 0;
                if (c == '\\' &&
                    (i + 1 == s.size() ||
                     std::string_view("\"\\/bfnrt").find(s[++i]) == std::string_view::npos)) {
                    return 0;
                }
            }
            return 0;
        }
        std::size_t i = at + (s[at] == '-' ? 1 : 0);
        if (!Digit(s, i)) return 0;
        i = s[i] == '0' ? i + 1 : Digits(s, i);
        if (i < s.size() && s[i] == '.') {
            if (!Digit(s, i + 1)) return 0;
            i = Digits(s, i + 1);
        }
        if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
            const std::size_t sign = i + 1 < s.size() && (s[i + 1] == '+' || s[i + 1] == '-');
            if (!Digit(s, i + 1 + sign)) return 0;
            i = Digits(s, i + 1 + sign);
        }
        return i - at;
    }

    bool Take(std::string_view t) {
        return next_ < tokens_.size() && tokens_[next_] == t && (++next_, true);
    }
    void Expect(std::string_view t) {
        if (!Take(t)) throw std::runtime_error("JSON: expected " + std::string(t));
    }

    Json Value() {
        if (next_ == tokens_.size()) throw std::runtime_error("JSON: ends early");
        const std::string& t = tokens_[next_++];
        Json v;
        if (t == "{" || t == "[") {
            const bool object = t == "{";
            v.type = object ? Json::Type::kObject : Json::Type::kArray;
            if (Take(object ? "}" : "]")) return v;
            do {
                if (object) {
                    const Json key = Value();
                    if (key.type != Json::Type::kString ||
                        std::find(v.keys.begin(), v.keys.end(), key.text) != v.keys.end()) {
                        throw std::runtime_error("JSON: a bad or doubled key " + key.text);
                    }
                    v.keys.push_back(key.text);
                    Expect(":");
                }
                v.items.push_back(Value());
            } while (Take(","));
            Expect(object ? "}" : "]");
        } else if (t[0] == '"') {
            v.type = Json::Type::kString;
            for (std::size_t i = 1; i + 1 < t.size(); ++i) {
                const auto k = t[i] == '\\' ? std::string_view("\"\\/bfnrt").find(t[++i]) : 8;
                v.text += k < 8 ? "\"\\/\b\f\n\r\t"[k] : t[i];
            }
        } else if (t != "null") {
            if (t.size() == 1 && std::string_view("}],:").find(t[0]) != std::string_view::npos) {
                throw std::runtime_error("JSON: expected a value, found " + t);
            }
            v.type = Json::Type::kNumber;
            v.number = std::strtod(t.c_str(), nullptr);
        }
        return v;
    }

    std::vector<std::string> tokens_;
    std::size_t next_ = 0;
};

}  // namespace kragmoor::test
