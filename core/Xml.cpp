#include "Xml.h"

#include <algorithm>
#include <cstdint>
#include <pugixml.hpp>
#include <unordered_set>

#include "Paths.h"

namespace gw {

namespace {

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

// The longest reference looked for, "&" to ";" ("&#x0010FFFF;" is 12): the
// search for the ";" never goes further, so decoding stays one pass.
constexpr std::size_t MaxReferenceLength = 12;

enum class Unknown { Keep, Refuse };

// Appends `text` with its references resolved, in one pass. Returns the
// offset in `text` of the first "&" that starts no known reference when
// `unknown` is Refuse, else npos.
std::size_t appendDecoded(std::string_view text, std::string& out, Unknown unknown)
{
    out.reserve(out.size() + text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t amp = text.find('&', i);
        out.append(text.substr(i, amp - i));
        if (amp == std::string_view::npos)
            break;
        const std::size_t end = text.substr(amp, MaxReferenceLength).find(';');
        if (end != std::string_view::npos && appendReference(text.substr(amp + 1, end - 1), out)) {
            i = amp + end + 1;
        } else if (unknown == Unknown::Refuse) {
            return amp;
        } else {
            out += '&';
            i = amp + 1;
        }
    }
    return std::string_view::npos;
}

// Line numbers of byte offsets, from one pass over the text.
class LineIndex {
public:
    explicit LineIndex(std::string_view text)
    {
        for (std::size_t i = text.find('\n'); i != std::string_view::npos; i = text.find('\n', i + 1))
            m_breaks.push_back(i);
    }

    // 1-based; an unknown offset (pugixml's -1) counts as the first line.
    int lineOf(std::ptrdiff_t offset) const
    {
        if (offset < 0)
            return 1;
        const auto after = std::lower_bound(m_breaks.begin(), m_breaks.end(), static_cast<std::size_t>(offset));
        return static_cast<int>(after - m_breaks.begin()) + 1;
    }

private:
    std::vector<std::size_t> m_breaks;
};

bool isBlank(std::string_view text) { return text.find_first_not_of(" \t\r\n") == std::string_view::npos; }

// Copies pugixml's tree into XmlElements, enforcing the limits and the
// checks pugixml leaves out. Every step returns false on the first problem,
// recorded in `m_status` and `m_errorLine`.
class TreeCopy {
public:
    explicit TreeCopy(std::string_view text) : m_lines(text) { }

    XmlDocument run(const pugi::xml_document& source)
    {
        XmlDocument document;
        bool haveRoot = false;
        for (const pugi::xml_node node : source.children()) {
            if (node.type() == pugi::node_element) {
                if (haveRoot)
                    return failed(malformedAt(node.offset_debug()));
                haveRoot = true;
                if (!element(node, document.root, 1))
                    return failed(false);
            } else if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata) {
                if (node.type() == pugi::node_cdata || !isBlank(node.value()))
                    return failed(malformedAt(node.offset_debug()));
            }
        }
        if (!haveRoot)
            return failed(malformedAt(-1));
        document.status = XmlStatus::Parsed;
        return document;
    }

private:
    XmlDocument failed(bool) const
    {
        XmlDocument document;
        document.status = m_status;
        document.errorLine = m_status == XmlStatus::Malformed ? m_errorLine : 0;
        return document;
    }

    bool malformedAt(std::ptrdiff_t offset)
    {
        m_status = XmlStatus::Malformed;
        m_errorLine = m_lines.lineOf(offset);
        return false;
    }

    bool tooLarge()
    {
        m_status = XmlStatus::TooLarge;
        return false;
    }

    // Resolves `value` (from the node at `offset`) into `out`.
    bool decode(std::string_view value, std::ptrdiff_t offset, std::string& out)
    {
        const std::size_t bad = appendDecoded(value, out, Unknown::Refuse);
        if (bad == std::string_view::npos)
            return true;
        return malformedAt(offset < 0 ? offset : offset + static_cast<std::ptrdiff_t>(bad));
    }

    bool attributes(const pugi::xml_node& node, XmlElement& e)
    {
        for (const pugi::xml_attribute attribute : node.attributes()) {
            if (e.attributes.size() == MaxXmlAttributes)
                return tooLarge();
            const std::string_view value = attribute.value();
            if (value.find('<') != std::string_view::npos)
                return malformedAt(node.offset_debug());
            std::string resolved;
            if (!decode(value, node.offset_debug(), resolved))
                return false;
            e.attributes.emplace_back(attribute.name(), std::move(resolved));
        }
        if (e.attributes.size() > 1) {
            std::unordered_set<std::string_view> seen;
            seen.reserve(e.attributes.size());
            for (const auto& attribute : e.attributes)
                if (!seen.insert(attribute.first).second)
                    return malformedAt(node.offset_debug());
        }
        return true;
    }

    bool element(const pugi::xml_node& node, XmlElement& e, int depth)
    {
        if (depth > MaxXmlDepth || ++m_elements > MaxXmlElements)
            return tooLarge();
        e.name = node.name();
        e.line = m_lines.lineOf(node.offset_debug());
        if (!attributes(node, e))
            return false;
        std::size_t elements = 0;
        for (const pugi::xml_node child : node.children())
            elements += child.type() == pugi::node_element ? 1u : 0u;
        e.children.reserve(std::min(elements, MaxXmlElements - static_cast<std::size_t>(m_elements) + 1));
        for (const pugi::xml_node child : node.children()) {
            switch (child.type()) {
            case pugi::node_element:
                e.children.emplace_back();
                if (!element(child, e.children.back(), depth + 1))
                    return false;
                break;
            case pugi::node_pcdata:
                if (!decode(child.value(), child.offset_debug(), e.text))
                    return false;
                break;
            case pugi::node_cdata:
                e.text += child.value();
                break;
            default:
                break;
            }
        }
        return true;
    }

    LineIndex m_lines;
    std::size_t m_elements = 0;
    XmlStatus m_status = XmlStatus::Malformed;
    int m_errorLine = 1;
};

// Whether the tree pugixml built up to an error is already over a limit: a
// too large document is told as such even when it is also cut short.
bool overLimits(const pugi::xml_node& parent, int depth, std::size_t& elements)
{
    for (const pugi::xml_node node : parent.children()) {
        if (node.type() != pugi::node_element)
            continue;
        if (depth > MaxXmlDepth || ++elements > MaxXmlElements)
            return true;
        const auto attributes = node.attributes();
        if (static_cast<std::size_t>(std::distance(attributes.begin(), attributes.end())) > MaxXmlAttributes)
            return true;
        if (overLimits(node, depth + 1, elements))
            return true;
    }
    return false;
}

} // namespace

const std::string* XmlElement::attribute(std::string_view key) const
{
    // At most MaxXmlAttributes to look through.
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

XmlDocument parseXml(std::string_view text)
{
    XmlDocument document;
    if (text.size() > MaxXmlBytes) {
        document.status = XmlStatus::TooLarge;
        return document;
    }
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    if (text.empty()) {
        document.errorLine = 1;
        return document;
    }
    // Entities are resolved by appendDecoded, which refuses unknown ones;
    // pugixml would keep them as text. The fragment mode keeps text outside
    // the root, which TreeCopy then refuses.
    constexpr unsigned options = pugi::parse_cdata | pugi::parse_ws_pcdata | pugi::parse_fragment;
    pugi::xml_document source;
    const pugi::xml_parse_result parsed = source.load_buffer(text.data(), text.size(), options, pugi::encoding_utf8);
    // pugixml ends its text at a zero byte; XML allows none.
    const std::size_t zero = text.find('\0');
    if (parsed && zero == std::string_view::npos)
        return TreeCopy(text).run(source);
    std::size_t elements = 0;
    if (overLimits(source, 1, elements)) {
        document.status = XmlStatus::TooLarge;
        return document;
    }
    const std::ptrdiff_t at = parsed
                                  ? static_cast<std::ptrdiff_t>(zero)
                                  : std::min(parsed.offset, static_cast<std::ptrdiff_t>(std::min(zero, text.size())));
    document.errorLine = LineIndex(text).lineOf(at);
    return document;
}

std::string unescapeXml(std::string_view text)
{
    std::string out;
    appendDecoded(text, out, Unknown::Keep);
    return out;
}

std::string escapeXml(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        const std::size_t length = utf8SequenceLength(text.substr(i));
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
