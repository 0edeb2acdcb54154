// A strict JSON reader for the tests of the command line's output.

#include "tests/cli/JsonReader.h"

#include <cstdlib>

namespace spln::test {
namespace {

class Reader {
public:
    explicit Reader(const std::string& text) : m_text(text) {}

    bool Document(JsonValue& value, std::string& error)
    {
        bool ok = Value(value) && (SkipSpace(), m_pos == m_text.size());
        if (!ok)
            error = "fault near offset " + std::to_string(m_pos);
        return ok;
    }

private:
    void SkipSpace()
    {
        while (m_pos < m_text.size() &&
               (m_text[m_pos] == ' ' || m_text[m_pos] == '\n' || m_text[m_pos] == '\r' || m_text[m_pos] == '\t'))
            ++m_pos;
    }
    bool Peek(char c) { return SkipSpace(), m_pos < m_text.size() && m_text[m_pos] == c; }
    bool Take(char c) { return Peek(c) ? (++m_pos, true) : false; }
    bool Word(const char* word)
    {
        const std::string w(word);
        if (m_text.compare(m_pos, w.size(), w) != 0)
            return false;
        m_pos += w.size();
        return true;
    }
    bool Digits()
    {
        size_t start = m_pos;
        while (m_pos < m_text.size() && m_text[m_pos] >= '0' && m_text[m_pos] <= '9')
            ++m_pos;
        return m_pos > start;
    }

    bool Value(JsonValue& value)
    {
        SkipSpace();
        if (m_pos >= m_text.size())
            return false;
        char c = m_text[m_pos];
        if (c == '{')
            return Object(value);
        if (c == '[')
            return Array(value);
        if (c == '"')
            return value.type = JsonValue::Type::String, String(value.text);
        if (Word("null"))
            return value.type = JsonValue::Type::Null, true;
        if (Word("true"))
            return value.type = JsonValue::Type::Bool, value.boolean = true, true;
        if (Word("false"))
            return value.type = JsonValue::Type::Bool, true;
        return Number(value);
    }

    bool Number(JsonValue& value)
    {
        size_t start = m_pos;
        if (m_text[m_pos] == '-')
            ++m_pos;
        if (m_pos < m_text.size() && m_text[m_pos] == '0')
            ++m_pos;
        else if (!Digits())
            return false;
        if (m_pos < m_text.size() && m_text[m_pos] == '.' && (++m_pos, !Digits()))
            return false;
        if (m_pos < m_text.size() && (m_text[m_pos] == 'e' || m_text[m_pos] == 'E')) {
            ++m_pos;
            if (m_pos < m_text.size() && (m_text[m_pos] == '+' || m_text[m_pos] == '-'))
                ++m_pos;
            if (!Digits())
                return false;
        }
        value.type = JsonValue::Type::Number;
        value.text = m_text.substr(start, m_pos - start);
        return true;
    }

    bool String(std::string& out)
    {
        ++m_pos;  // opening quote
        while (m_pos < m_text.size()) {
            unsigned char c = static_cast<unsigned char>(m_text[m_pos++]);
            if (c == '"')
                return true;
            if (c < 0x20)
                return false;
            if (c != '\\') {
                out += static_cast<char>(c);
                continue;
            }
            if (m_pos >= m_text.size())
                return false;
            char e = m_text[m_pos++];
            switch (e) {
            case '"':
            case '\\':
            case '/':
                out += e;
                break;
            case 'n':
                out += '\n';
                break;
            case 't':
                out += '\t';
                break;
            case 'r':
                out += '\r';
                break;
            case 'b':
                out += '\b';
                break;
            case 'f':
                out += '\f';
                break;
            case 'u': {
                if (m_pos + 4 > m_text.size())
                    return false;
                const unsigned long code = std::strtoul(m_text.substr(m_pos, 4).c_str(), nullptr, 16);
                m_pos += 4;
                if (code >= 0x80)
                    return false;  // the writers only escape control characters
                out += static_cast<char>(code);
                break;
            }
            default:
                return false;
            }
        }
        return false;
    }

    bool Array(JsonValue& value)
    {
        value.type = JsonValue::Type::Array;
        ++m_pos;
        if (Take(']'))
            return true;
        do {
            value.items.emplace_back();
            if (!Value(value.items.back()))
                return false;
        } while (Take(','));
        return Take(']');
    }

    bool Object(JsonValue& value)
    {
        value.type = JsonValue::Type::Object;
        ++m_pos;
        if (Take('}'))
            return true;
        do {
            std::string name;
            if (!Peek('"') || !String(name) || !Take(':'))
                return false;
            if (value.members.count(name))
                return false;  // duplicate names are ambiguous
            value.order.push_back(name);
            if (!Value(value.members[name]))
                return false;
        } while (Take(','));
        return Take('}');
    }

    const std::string& m_text;
    size_t m_pos = 0;
};

}  // namespace

double JsonValue::Number() const
{
    return std::strtod(text.c_str(), nullptr);
}

bool ParseJson(const std::string& text, JsonValue& value, std::string& error)
{
    value = JsonValue();
    return Reader(text).Document(value, error);
}

}  // namespace spln::test
