#pragma once
// Inside the clue-file readers and writers: XML's character references.
// The webpbn reader resolves them itself (pugixml would keep an unknown one
// as text), the .non reader resolves them in titles, and both writers escape
// the title. Not for use outside core/ClueFile*.cpp.
#include <string>
#include <string_view>

namespace gw::clue_source {

// `text` with &, <, > and " written as entities and every control character
// other than tab and line feed, and every byte that is not part of a valid
// UTF-8 sequence, replaced by a blank: safe inside character data and
// double-quoted attribute values.
std::string escapeXml(std::string_view text);

// `text` with the five predefined entities and character numbers resolved
// in one pass; any other "&" is kept as it is.
std::string unescapeXml(std::string_view text);

// The offset in `text` of the first "&" that starts neither a predefined
// entity nor a valid character number (zero and surrogates are not), or npos.
// One pass.
std::size_t firstUnknownReference(std::string_view text);

} // namespace gw::clue_source
