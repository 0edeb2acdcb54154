#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

// A strict reader of JSON text for checking what the command line writes:
// it refuses anything RFC 8259 refuses (NaN, trailing commas, bare words),
// and keeps each number's text so that tests can read it back themselves.
namespace spln::test {

struct JsonValue {
    enum class Type { Null, Bool, Number, String, Array, Object } type = Type::Null;
    bool boolean = false;
    std::string text;  // the number's literal, or the decoded string
    std::vector<JsonValue> items;
    std::map<std::string, JsonValue> members;
    std::vector<std::string> order;  // member names as they appeared

    const JsonValue& operator[](const std::string& name) const { return members.at(name); }
    double Number() const;  // the literal read with strtod
};

// Parses the whole text; on a fault returns false and describes it in `error`.
bool ParseJson(const std::string& text, JsonValue& value, std::string& error);

}  // namespace spln::test
