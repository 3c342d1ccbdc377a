// A small strict JSON reader for the runner's output: any text that is not one valid JSON value
// (a missing comma, a bare NaN, trailing text) throws, so reading an output checks it too.
#pragma once

#include <cstdlib>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kragmoor::test {

struct Json {
    enum class Type { kNull, kBool, kNumber, kString, kArray, kObject };
    Type type = Type::kNull;
    bool boolean = false;
    double number = 0;
    std::string text;
    std::vector<Json> items;
    std::map<std::string, Json> fields;
    std::vector<std::string> keys;  // the fields' keys in the order written

    bool IsNull() const { return type == Type::kNull; }
    // A field or an element; throws when there is none.
    const Json& operator[](const std::string& key) const {
        const auto it = fields.find(key);
        if (type != Type::kObject || it == fields.end()) throw std::out_of_range("no " + key);
        return it->second;
    }
    const Json& operator[](std::size_t i) const { return items.at(i); }
};

class JsonReader {
  public:
    static Json Read(std::string_view s) {
        JsonReader reader(s);
        Json value = reader.Value();
        reader.Blanks();
        if (reader.at_ != s.size()) reader.Fail("text after the value");
        return value;
    }

  private:
    explicit JsonReader(std::string_view s) : s_(s) {}

    [[noreturn]] void Fail(const std::string& what) const {
        throw std::runtime_error("JSON at " + std::to_string(at_) + ": " + what);
    }
    void Blanks() {
        while (at_ < s_.size() && std::string_view(" \t\r\n").find(s_[at_]) != s_.npos) ++at_;
    }
    bool Take(char c) {
        Blanks();
        if (at_ < s_.size() && s_[at_] == c) return ++at_, true;
        return false;
    }
    void Expect(char c) {
        if (!Take(c)) Fail(std::string("expected ") + c);
    }
    bool Word(std::string_view w) {
        if (s_.substr(at_, w.size()) != w) return false;
        at_ += w.size();
        return true;
    }

    Json Value() {
        Blanks();
        Json v;
        if (Take('{')) {
            v.type = Json::Type::kObject;
            if (Take('}')) return v;
            do {
                Blanks();
                const std::string key = String();
                Expect(':');
                if (!v.fields.emplace(key, Value()).second) Fail("key twice: " + key);
                v.keys.push_back(key);
            } while (Take(','));
            Expect('}');
        } else if (Take('[')) {
            v.type = Json::Type::kArray;
            if (Take(']')) return v;
            do v.items.push_back(Value());
            while (Take(','));
            Expect(']');
        } else if (at_ < s_.size() && s_[at_] == '"') {
            v.type = Json::Type::kString;
            v.text = String();
        } else if (Word("null")) {
        } else if (Word("true")) {
            v.type = Json::Type::kBool;
            v.boolean = true;
        } else if (Word("false")) {
            v.type = Json::Type::kBool;
        } else {
            v.type = Json::Type::kNumber;
            v.number = Number();
        }
        return v;
    }

    // JSON's number grammar: -?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?
    double Number() {
        const std::size_t start = at_;
        const auto digits = [&] {
            const std::size_t from = at_;
            while (at_ < s_.size() && s_[at_] >= '0' && s_[at_] <= '9') ++at_;
            if (at_ == from) Fail("expected a digit");
        };
        if (at_ < s_.size() && s_[at_] == '-') ++at_;
        if (at_ < s_.size() && s_[at_] == '0') {
            ++at_;
        } else {
            digits();
        }
        if (at_ < s_.size() && s_[at_] == '.') ++at_, digits();
        if (at_ < s_.size() && (s_[at_] == 'e' || s_[at_] == 'E')) {
            ++at_;
            if (at_ < s_.size() && (s_[at_] == '+' || s_[at_] == '-')) ++at_;
            digits();
        }
        return std::strtod(std::string(s_.substr(start, at_ - start)).c_str(), nullptr);
    }

    std::string String() {
        if (!Take('"')) Fail("expected a string");
        std::string out;
        while (at_ < s_.size() && s_[at_] != '"') {
            const char c = s_[at_++];
            if (static_cast<unsigned char>(c) < 0x20) Fail("control character in a string");
            if (c != '\\') {
                out += c;
                continue;
            }
            if (at_ >= s_.size()) break;
            const char e = s_[at_++];
            const std::string_view simple = "\"\\/bfnrt", meant = "\"\\/\b\f\n\r\t";
            if (const auto k = simple.find(e); k != simple.npos) {
                out += meant[k];
            } else if (e == 'u' && at_ + 4 <= s_.size()) {
                const auto code = std::stoul(std::string(s_.substr(at_, 4)), nullptr, 16);
                at_ += 4;
                if (code >= 0x800) Fail("\\u escapes above U+07FF are not expected here");
                if (code < 0x80) {
                    out += static_cast<char>(code);
                } else {
                    out += static_cast<char>(0xC0 | (code >> 6));
                    out += static_cast<char>(0x80 | (code & 0x3F));
                }
            } else {
                Fail("bad escape");
            }
        }
        if (!Take('"')) Fail("unterminated string");
        return out;
    }

    std::string_view s_;
    std::size_t at_ = 0;
};

}  // namespace kragmoor::test
