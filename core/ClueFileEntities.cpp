#include "ClueFileEntities.h"

#include <cstdint>
#include <utility>

#include "Paths.h"

namespace gw::clue_source {

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

} // namespace

std::string unescapeXml(std::string_view text)
{
    std::string out;
    appendDecoded(text, out, Unknown::Keep);
    return out;
}

std::size_t firstUnknownReference(std::string_view text)
{
    if (text.find('&') == std::string_view::npos)
        return std::string_view::npos;
    std::string resolved;
    return appendDecoded(text, resolved, Unknown::Refuse);
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

} // namespace gw::clue_source
