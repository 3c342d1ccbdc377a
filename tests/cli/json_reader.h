// A small strict JSON reader for the runner's output: any text that is not one valid JSON value
// (a missing comma, a bare NaN, a doubled key, trailing text) throws, so reading an output checks
// it too. The runner writes no true or false, and escapes with \u only what the strings read here
// never hold.
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
        JsonReader reader(s);
        Json value = reader.Value();
        reader.Blank();
        if (reader.at_ != s.size()) reader.Fail("text after the value");
        return value;
    }

  private:
    explicit JsonReader(const std::string& s) : s_(s) {}

    [[noreturn]] void Fail(const std::string& what) const {
        throw std::runtime_error("JSON: " + what + " at " + std::to_string(at_));
    }
    char Peek() const { return at_ < s_.size() ? s_[at_] : '\0'; }
    void Blank() {
        while (at_ < s_.size() && std::string_view(" \t\r\n").find(s_[at_]) != s_.npos) ++at_;
    }
    bool Take(char c) {
        Blank();
        return at_ < s_.size() && s_[at_] == c && (++at_, true);
    }
    void Expect(char c) {
        if (!Take(c)) Fail(std::string("expected ") + c);
    }
    void Digits(const char* what) {
        if (Peek() < '0' || Peek() > '9') Fail(what);
        while (Peek() >= '0' && Peek() <= '9') ++at_;
    }

    std::string String() {
        Expect('"');
        std::string text;
        for (char c; (c = Peek()) != '"'; ++at_) {
            if (at_ == s_.size() || static_cast<unsigned char>(c) < 0x20) Fail("a bad string");
            if (c == '\\') {
                ++at_;
                const std::size_t k = std::string_view("\"\\/bfnrt").find(Peek());
                if (k == std::string_view::npos) Fail("a bad escape");
                c = "\"\\/\b\f\n\r\t"[k];
            }
            text += c;
        }
        ++at_;
        return text;
    }

    double Number() {
        const std::size_t from = at_;
        if (Peek() == '-') ++at_;
        if (Peek() == '0') {
            ++at_;
        } else {
            Digits("expected a value");
        }
        if (Peek() == '.') {
            ++at_;
            Digits("a bad fraction");
        }
        if (Peek() == 'e' || Peek() == 'E') {
            ++at_;
            if (Peek() == '+' || Peek() == '-') ++at_;
            Digits("a bad exponent");
        }
        return std::strtod(s_.c_str() + from, nullptr);
    }

    Json Value() {
        Json v;
        Blank();
        if (Peek() == '"') {
            v.type = Json::Type::kString;
            v.text = String();
            return v;
        }
        if (s_.compare(at_, 4, "null") == 0) return at_ += 4, v;
        const bool object = Take('{');
        if (!object && !Take('[')) {
            v.type = Json::Type::kNumber;
            v.number = Number();
            return v;
        }
        v.type = object ? Json::Type::kObject : Json::Type::kArray;
        const char close = object ? '}' : ']';
        if (Take(close)) return v;
        do {
            if (object) {
                v.keys.push_back(String());
                if (std::count(v.keys.begin(), v.keys.end(), v.keys.back()) > 1)
                    Fail("a doubled key " + v.keys.back());
                Expect(':');
            }
            v.items.push_back(Value());
        } while (Take(','));
        Expect(close);
        return v;
    }

    const std::string& s_;
    std::size_t at_ = 0;
};

}  // namespace kragmoor::test
