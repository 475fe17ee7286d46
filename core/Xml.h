#pragma once
// The XML the clue files need: a tree read with pugixml, with the limits a
// clue file never comes near, and the escaping and unescaping of text.
// The tree knows elements, attributes and character data (CDATA sections
// joined in); comments and processing instructions are dropped. A DOCTYPE is
// skipped (its internal subset too); entities it might declare are not
// known, so using one is an error, and so is a duplicate attribute, a "<" in
// an attribute value, a zero byte, text outside the root element or a
// second root element. No namespaces, no validation, no encodings other than
// UTF-8 (bytes above 127 pass through unchecked).
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace gw {

struct XmlElement {
    std::string name;
    // In document order, entities resolved; at most MaxXmlAttributes.
    std::vector<std::pair<std::string, std::string>> attributes;
    std::vector<XmlElement> children;
    std::string text; // the character data directly inside, joined, entities resolved
    int line = 0;     // 1-based line of the start tag

    // The value of attribute `key`, or null when it is absent.
    const std::string* attribute(std::string_view key) const;
    // The first child element named `childName`, or null.
    const XmlElement* child(std::string_view childName) const;
};

enum class XmlStatus {
    Parsed,
    Malformed, // not well-formed; errorLine tells where
    TooLarge,  // larger, more elements, attributes or deeper nesting than the limits below
};

struct XmlDocument {
    XmlStatus status = XmlStatus::Malformed;
    XmlElement root;
    int errorLine = 0; // 1-based; set when status is Malformed

    bool parsed() const { return status == XmlStatus::Parsed; }
};

// Limits that keep any input's time and memory linear in its size and the
// tree's recursion bounded. A document over any of them is TooLarge.
constexpr std::size_t MaxXmlBytes = 4u * 1024u * 1024u;
constexpr int MaxXmlDepth = 64;
constexpr std::size_t MaxXmlElements = 100000;
constexpr std::size_t MaxXmlAttributes = 64; // on one element

// Parses a whole document. A UTF-8 byte order mark at the start is skipped.
// Time and memory are linear in the size of `text`.
XmlDocument parseXml(std::string_view text);

// `text` with &, <, > and " written as entities and every control character
// other than tab and line feed, and every byte that is not part of a valid
// UTF-8 sequence, replaced by a blank: safe inside character data and
// double-quoted attribute values.
std::string escapeXml(std::string_view text);

// `text` with the five predefined entities and character numbers resolved
// in one pass; any other "&" is kept as it is.
std::string unescapeXml(std::string_view text);

} // namespace gw
