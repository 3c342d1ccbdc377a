// A small strict JSON reader for the runner's output: any text that is not one valid JSON value
// (a missing comma, a bare NaN, a doubled key, trailing text) throws, so reading an output checks
// it too. The runner escapes with \u only what the strings read here never hold.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

namespace kragmoor::test {

struct Json {
    enum class Type { kNull, kBool, kNumber, kString, kArray, kObject };
    Type type = Type::kNull;
    bool boolean = false;
    double number = 0;
    std::string text;
    std::vector<std::string> keys;  // an object's keys in the order written
    std::vector<Json> items;        // an array's elements, or an object's values in that order

    bool IsNull() const { return type == Type::kNull; }
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
        if (reader.Blank() != '\0') reader.Fail("text after the value");
        return value;
    }

  private:
    explicit JsonReader(const std::string& s) : s_(s) {}

    [[noreturn]] void Fail(const std::string& what) const {
        throw std::runtime_error("JSON: " + what + " at " + std::to_string(at_));
    }
    char Peek() const { return at_ < s_.size() ? s_[at_] : '\0'; }
    char Blank() {
        while (Peek() != '\0' && std::string(" \t\r\n").find(Peek()) != std::string::npos) ++at_;
        return Peek();
    }
    bool Take(char c) { return Blank() == c && c != '\0' && (++at_, true); }
    void Expect(char c) {
        if (!Take(c)) Fail(std::string("expected ") + c);
    }

    std::string String() {
        Expect('"');
        std::string text;
        for (char c; (c = Peek()) != '"'; ++at_) {
            if (at_ == s_.size() || static_cast<unsigned char>(c) < 0x20) Fail("a bad string");
            if (c == '\\') {
                const std::size_t k = std::string("\"\\/bfnrt").find(s_[++at_]);
                if (k == std::string::npos) Fail("a bad escape");
                c = "\"\\/\b\f\n\r\t"[k];
            }
            text += c;
        }
        ++at_;
        return text;
    }

    void Digits(const char* what) {
        if (Peek() < '0' || Peek() > '9') Fail(what);
        while (Peek() >= '0' && Peek() <= '9') ++at_;
    }
    double Number() {
        const std::size_t from = at_;
        if (Peek() == '-') ++at_;
        if (Peek() == '0') {
            ++at_;
        } else {
            Digits("expected a value");
        }
        if (Peek() == '.') ++at_, Digits("a bad fraction");
        if (Peek() == 'e' || Peek() == 'E') {
            if (s_[++at_] == '+' || Peek() == '-') ++at_;
            Digits("a bad exponent");
        }
        return std::strtod(s_.c_str() + from, nullptr);
    }

    Json Value() {
        Json v;
        if (Blank() == '"') return v.type = Json::Type::kString, v.text = String(), v;
        if (s_.compare(at_, 4, "null") == 0) return at_ += 4, v;
        for (const bool b : {true, false}) {
            const std::string word = b ? "true" : "false";
            if (s_.compare(at_, word.size(), word) == 0) {
                return at_ += word.size(), v.type = Json::Type::kBool, v.boolean = b, v;
            }
        }
        const bool object = Take('{');
        if (!object && !Take('[')) return v.type = Json::Type::kNumber, v.number = Number(), v;
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
