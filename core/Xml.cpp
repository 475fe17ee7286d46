#include "Xml.h"

#include <algorithm>
#include <cstdint>

namespace gw {

namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool isNameChar(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == ':'
           || c == '-' || c == '.' || u >= 0x80;
}

void appendUtf8(std::string& out, std::uint32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The length of the valid UTF-8 sequence starting at text[i], or 0.
std::size_t utf8Length(std::string_view text, std::size_t i)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    std::uint32_t code = 0;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07u;
    } else {
        return 0;
    }
    if (i + length > text.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (next & 0x3Fu);
    }
    const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    if (overlong || surrogate || code > 0x10FFFF)
        return 0;
    return length;
}

// Appends what the reference "&" + entity + ";" stands for: one of the five
// predefined entities or a character number. False for anything else.
bool appendReference(std::string_view entity, std::string& out)
{
    static constexpr std::pair<std::string_view, char> named[] = {
        {"lt", '<'}, {"gt", '>'}, {"amp", '&'}, {"quot", '"'}, {"apos", '\''}};
    for (const auto& [key, value] : named) {
        if (entity == key) {
            out += value;
            return true;
        }
    }
    if (entity.size() < 2 || entity[0] != '#')
        return false;
    const bool hex = entity[1] == 'x';
    const std::string_view digits = entity.substr(hex ? 2 : 1);
    if (digits.empty())
        return false;
    std::uint32_t code = 0;
    for (char c : digits) {
        int digit = -1;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (hex && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (hex && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit < 0)
            return false;
        code = code * (hex ? 16u : 10u) + static_cast<std::uint32_t>(digit);
        if (code > 0x10FFFF)
            return false;
    }
    if (code == 0 || (code >= 0xD800 && code <= 0xDFFF))
        return false;
    appendUtf8(out, code);
    return true;
}

// Reads one document. Every step returns false on the first error, which
// it records with its line; the caller then stops.
class Parser {
public:
    explicit Parser(std::string_view text) : m_text(text) { }

    XmlDocument run()
    {
        XmlDocument document;
        if (m_text.substr(0, 3) == "\xEF\xBB\xBF")
            m_pos = 3;
        bool haveRoot = false;
        while (skipMisc()) {
            if (atEnd()) {
                if (haveRoot) {
                    document.status = XmlStatus::Parsed;
                    return document;
                }
                break; // no root element
            }
            if (haveRoot || !startsWith("<") || startsWith("</"))
                break;
            if (startsWith("<!DOCTYPE")) {
                if (!skipDoctype())
                    break;
                continue;
            }
            if (!element(document.root, 1))
                break;
            haveRoot = true;
        }
        document.status = m_tooLarge ? XmlStatus::TooLarge : XmlStatus::Malformed;
        document.errorLine = m_line;
        return document;
    }

private:
    bool atEnd() const { return m_pos >= m_text.size(); }
    bool startsWith(std::string_view s) const { return m_text.substr(m_pos, s.size()) == s; }

    void advance(std::size_t count)
    {
        const std::size_t end = std::min(m_text.size(), m_pos + count);
        m_line += static_cast<int>(std::count(m_text.begin() + static_cast<std::ptrdiff_t>(m_pos),
                                              m_text.begin() + static_cast<std::ptrdiff_t>(end), '\n'));
        m_pos = end;
    }

    void skipSpaces()
    {
        while (!atEnd() && isSpace(m_text[m_pos]))
            advance(1);
    }

    // Moves past the next `terminator`; false when the text ends first.
    bool skipPast(std::string_view terminator)
    {
        const std::size_t found = m_text.find(terminator, m_pos);
        if (found == std::string_view::npos) {
            advance(m_text.size() - m_pos);
            return false;
        }
        advance(found + terminator.size() - m_pos);
        return true;
    }

    // White space, comments and processing instructions outside the root.
    bool skipMisc()
    {
        for (;;) {
            skipSpaces();
            if (startsWith("<!--")) {
                if (!skipPast("-->"))
                    return false;
            } else if (startsWith("<?")) {
                if (!skipPast("?>"))
                    return false;
            } else {
                return true;
            }
        }
    }

    bool skipDoctype()
    {
        int depth = 0;
        char quote = 0;
        for (advance(9); !atEnd(); advance(1)) {
            const char c = m_text[m_pos];
            if (quote != 0) {
                if (c == quote)
                    quote = 0;
            } else if (c == '"' || c == '\'') {
                quote = c;
            } else if (c == '[') {
                ++depth;
            } else if (c == ']') {
                --depth;
            } else if (c == '>' && depth <= 0) {
                advance(1);
                return true;
            }
        }
        return false;
    }

    std::string name()
    {
        const std::size_t start = m_pos;
        while (!atEnd() && isNameChar(m_text[m_pos]))
            ++m_pos; // names hold no line breaks
        return std::string(m_text.substr(start, m_pos - start));
    }

    // Resolves the reference starting at '&' and appends it to `out`.
    bool reference(std::string& out)
    {
        const std::size_t end = m_text.find(';', m_pos);
        if (end == std::string_view::npos || end - m_pos > 12
            || !appendReference(m_text.substr(m_pos + 1, end - m_pos - 1), out))
            return false;
        advance(end + 1 - m_pos);
        return true;
    }

    bool attributeValue(std::string& value)
    {
        if (atEnd() || (m_text[m_pos] != '"' && m_text[m_pos] != '\''))
            return false;
        const char quote = m_text[m_pos];
        advance(1);
        while (!atEnd() && m_text[m_pos] != quote) {
            const char c = m_text[m_pos];
            if (c == '<')
                return false;
            if (c == '&') {
                if (!reference(value))
                    return false;
                continue;
            }
            value += c;
            advance(1);
        }
        if (atEnd())
            return false;
        advance(1);
        return true;
    }

    // The start tag with its attributes; `empty` tells whether it ended "/>".
    bool startTag(XmlElement& e, bool& empty)
    {
        e.line = m_line;
        advance(1);
        e.name = name();
        if (e.name.empty())
            return false;
        for (;;) {
            const std::size_t before = m_pos;
            skipSpaces();
            if (startsWith("/>")) {
                advance(2);
                empty = true;
                return true;
            }
            if (startsWith(">")) {
                advance(1);
                empty = false;
                return true;
            }
            if (m_pos == before)
                return false; // attributes must be separated by white space
            std::string key = name();
            if (key.empty() || e.attribute(key) != nullptr)
                return false;
            skipSpaces();
            if (!startsWith("="))
                return false;
            advance(1);
            skipSpaces();
            std::string value;
            if (!attributeValue(value))
                return false;
            e.attributes.emplace_back(std::move(key), std::move(value));
        }
    }

    bool element(XmlElement& e, int depth)
    {
        if (depth > MaxXmlDepth || ++m_elements > MaxXmlElements) {
            m_tooLarge = true;
            return false;
        }
        bool empty = false;
        if (!startTag(e, empty))
            return false;
        if (empty)
            return true;
        for (;;) {
            if (atEnd())
                return false;
            const char c = m_text[m_pos];
            if (c == '&') {
                if (!reference(e.text))
                    return false;
            } else if (c != '<') {
                e.text += c;
                advance(1);
            } else if (startsWith("</")) {
                advance(2);
                if (name() != e.name)
                    return false;
                skipSpaces();
                if (!startsWith(">"))
                    return false;
                advance(1);
                return true;
            } else if (startsWith("<!--")) {
                if (!skipPast("-->"))
                    return false;
            } else if (startsWith("<![CDATA[")) {
                advance(9);
                const std::size_t start = m_pos;
                if (!skipPast("]]>"))
                    return false;
                e.text.append(m_text.substr(start, m_pos - 3 - start));
            } else if (startsWith("<?")) {
                if (!skipPast("?>"))
                    return false;
            } else if (startsWith("<!")) {
                return false;
            } else {
                e.children.emplace_back();
                if (!element(e.children.back(), depth + 1))
                    return false;
            }
        }
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
    int m_line = 1;
    std::size_t m_elements = 0;
    bool m_tooLarge = false;
};

} // namespace

const std::string* XmlElement::attribute(std::string_view key) const
{
    for (const auto& [k, v] : attributes)
        if (k == key)
            return &v;
    return nullptr;
}

const XmlElement* XmlElement::child(std::string_view childName) const
{
    for (const XmlElement& c : children)
        if (c.name == childName)
            return &c;
    return nullptr;
}

XmlDocument parseXml(std::string_view text) { return Parser(text).run(); }

std::string unescapeXml(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t end = text[i] == '&' ? text.find(';', i) : std::string_view::npos;
        if (end != std::string_view::npos && end - i <= 12 && appendReference(text.substr(i + 1, end - i - 1), out))
            i = end;
        else
            out += text[i];
    }
    return out;
}

std::string escapeXml(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        const std::size_t length = utf8Length(text, i);
        if (length == 0 || (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n') || c == 0x7F) {
            out += ' ';
            ++i;
            continue;
        }
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out.append(text.substr(i, length));
        }
        i += length;
    }
    return out;
}

} // namespace gw
