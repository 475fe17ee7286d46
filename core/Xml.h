#pragma once
// The XML the clue files need: a small reader and the escaping of text.
// The reader knows elements, attributes, character data, comments,
// processing instructions, CDATA sections and the five predefined entities
// with numeric character references. A DOCTYPE is
// skipped (its internal subset too); entities it might declare are not
// known, so using one is an error. No namespaces, no validation, no
// encodings other than UTF-8 (bytes above 127 pass through unchecked).
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace gw {

struct XmlElement {
    std::string name;
    std::vector<std::pair<std::string, std::string>> attributes; // in document order, entities resolved
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
    TooLarge,  // more elements or deeper nesting than the limits below
};

struct XmlDocument {
    XmlStatus status = XmlStatus::Malformed;
    XmlElement root;
    int errorLine = 0; // 1-based; set when status is Malformed

    bool parsed() const { return status == XmlStatus::Parsed; }
};

// Limits that keep any input's memory and stack bounded.
constexpr int MaxXmlDepth = 64;
constexpr std::size_t MaxXmlElements = 100000;

// Parses a whole document. A UTF-8 byte order mark at the start is skipped.
XmlDocument parseXml(std::string_view text);

// `text` with &, <, > and " written as entities and every control character
// other than tab and line feed, and every byte that is not part of a valid
// UTF-8 sequence, replaced by a blank: safe inside character data and
// double-quoted attribute values.
std::string escapeXml(std::string_view text);

// `text` with the five predefined entities and character numbers resolved;
// any other "&" is kept as it is.
std::string unescapeXml(std::string_view text);

} // namespace gw
