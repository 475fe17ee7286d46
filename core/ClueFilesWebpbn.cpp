// webpbn's XML format: <puzzleset><puzzle type="grid" defaultcolor="black">
// with <title>, <color name= char=>RGB</color> definitions, <clues
// type="columns"> and <clues type="rows"> holding one <line> of <count
// color=>N</count> a line, and <solution type="goal"><image> rows of colour
// characters, each row between "|" characters.
//
// pugixml reads the XML; the checks it leaves out are made here, on its tree,
// before anything is read from it: limits a clue file never comes near,
// duplicate attributes, a "<" in an attribute value, a zero byte, text outside
// the root element or a second root. Entities a DOCTYPE might declare are not
// known, so using one is an error; the predefined ones and character numbers
// are resolved here (ClueFileEntities.h). Comments and processing
// instructions are dropped, CDATA sections joined into the text. No
// namespaces, no validation, no encodings other than UTF-8.
#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <pugixml.hpp>
#include <unordered_map>
#include <unordered_set>

#include "ClueFileEntities.h"
#include "ClueSource.h"
#include "Palette.h"
#include "lang/Texts.h"

namespace gw {

namespace clue_source {

namespace {

// Limits that keep any input's time and memory linear in its size and the
// checks' recursion bounded. A document over any of them is too large.
constexpr std::size_t MaxXmlBytes = 4u * 1024u * 1024u;
constexpr int MaxXmlDepth = 64;
constexpr std::size_t MaxXmlElements = 100000;
constexpr std::size_t MaxXmlAttributes = 64; // on one element

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

    int lineOf(const pugi::xml_node& node) const { return lineOf(node.offset_debug()); }

private:
    std::vector<std::size_t> m_breaks;
};

enum class XmlStatus {
    Parsed,
    Malformed, // not well-formed; errorLine tells where
    TooLarge,  // more bytes, elements, attributes or deeper nesting than the limits above
};

struct XmlCheck {
    XmlStatus status = XmlStatus::Malformed;
    int errorLine = 1; // set when status is Malformed
};

bool isBlank(std::string_view text) { return text.find_first_not_of(" \t\r\n") == std::string_view::npos; }

// Walks pugixml's tree in document order and stops at the first problem,
// recorded in m_check: the limits and the checks pugixml leaves out.
class TreeCheck {
public:
    explicit TreeCheck(const LineIndex& lines) : m_lines(lines) { }

    XmlCheck run(const pugi::xml_document& document)
    {
        bool haveRoot = false;
        for (const pugi::xml_node node : document.children()) {
            if (node.type() == pugi::node_element) {
                if (haveRoot) {
                    malformedAt(node.offset_debug());
                    return m_check;
                }
                haveRoot = true;
                if (!element(node, 1))
                    return m_check;
            } else if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata) {
                if (node.type() == pugi::node_cdata || !isBlank(node.value())) {
                    malformedAt(node.offset_debug());
                    return m_check;
                }
            }
        }
        if (!haveRoot) {
            malformedAt(-1);
            return m_check;
        }
        m_check.status = XmlStatus::Parsed;
        return m_check;
    }

private:
    bool malformedAt(std::ptrdiff_t offset)
    {
        m_check.status = XmlStatus::Malformed;
        m_check.errorLine = m_lines.lineOf(offset);
        return false;
    }

    bool tooLarge()
    {
        m_check.status = XmlStatus::TooLarge;
        return false;
    }

    // Whether every reference in `value` (from the node at `offset`) is known.
    bool references(std::string_view value, std::ptrdiff_t offset)
    {
        const std::size_t bad = firstUnknownReference(value);
        if (bad == std::string_view::npos)
            return true;
        return malformedAt(offset < 0 ? offset : offset + static_cast<std::ptrdiff_t>(bad));
    }

    bool attributes(const pugi::xml_node& node)
    {
        std::size_t count = 0;
        for (const pugi::xml_attribute attribute : node.attributes()) {
            if (count++ == MaxXmlAttributes)
                return tooLarge();
            const std::string_view value = attribute.value();
            if (value.find('<') != std::string_view::npos)
                return malformedAt(node.offset_debug());
            if (!references(value, node.offset_debug()))
                return false;
        }
        if (count > 1) {
            std::unordered_set<std::string_view> seen;
            seen.reserve(count);
            for (const pugi::xml_attribute attribute : node.attributes())
                if (!seen.insert(attribute.name()).second)
                    return malformedAt(node.offset_debug());
        }
        return true;
    }

    bool element(const pugi::xml_node& node, int depth)
    {
        if (depth > MaxXmlDepth || ++m_elements > MaxXmlElements)
            return tooLarge();
        if (!attributes(node))
            return false;
        for (const pugi::xml_node child : node.children()) {
            if (child.type() == pugi::node_element && !element(child, depth + 1))
                return false;
            if (child.type() == pugi::node_pcdata && !references(child.value(), child.offset_debug()))
                return false;
        }
        return true;
    }

    const LineIndex& m_lines;
    std::size_t m_elements = 0;
    XmlCheck m_check;
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

// Loads `text` (at most MaxXmlBytes, no byte order mark) into `document`
// and checks it; `lines` indexes `text`. Time and memory are linear in the
// size of `text`.
XmlCheck loadXml(std::string_view text, pugi::xml_document& document, const LineIndex& lines)
{
    XmlCheck check;
    if (text.empty())
        return check;
    // Entities are resolved by unescapeXml once the check has refused unknown
    // ones; pugixml would keep them as text. The fragment mode keeps text
    // outside the root, which the check then refuses.
    constexpr unsigned options = pugi::parse_cdata | pugi::parse_ws_pcdata | pugi::parse_fragment;
    const pugi::xml_parse_result parsed = document.load_buffer(text.data(), text.size(), options, pugi::encoding_utf8);
    // pugixml ends its text at a zero byte; XML allows none.
    const std::size_t zero = text.find('\0');
    if (parsed && zero == std::string_view::npos)
        return TreeCheck(lines).run(document);
    std::size_t elements = 0;
    if (overLimits(document, 1, elements)) {
        check.status = XmlStatus::TooLarge;
        return check;
    }
    const std::ptrdiff_t at = parsed
                                  ? static_cast<std::ptrdiff_t>(zero)
                                  : std::min(parsed.offset, static_cast<std::ptrdiff_t>(std::min(zero, text.size())));
    check.errorLine = lines.lineOf(at);
    return check;
}

// Reading the checked tree: names compared, references resolved.
bool named(const pugi::xml_node& node, const char* name) { return std::strcmp(node.name(), name) == 0; }

// The value of attribute `key`, or nothing when it is absent.
std::optional<std::string> attributeOf(const pugi::xml_node& node, const char* key)
{
    const pugi::xml_attribute attribute = node.attribute(key);
    if (!attribute)
        return std::nullopt;
    return unescapeXml(attribute.value());
}

// The character data directly inside `node`, joined.
std::string textOf(const pugi::xml_node& node)
{
    std::string text;
    for (const pugi::xml_node child : node.children()) {
        if (child.type() == pugi::node_pcdata)
            text += unescapeXml(child.value());
        else if (child.type() == pugi::node_cdata)
            text += child.value();
    }
    return text;
}

// How the writer names the palette colours and draws them in the solution.
struct ColorSymbol {
    const char* name;
    char symbol;
};
constexpr ColorSymbol PaletteSymbols[PaletteSize] = {
    {"black", 'X'},  {"white", '.'}, {"red", 'r'},     {"blue", 'b'},
    {"yellow", 'y'}, {"green", 'g'}, {"magenta", 'm'}, {"aqua", 'a'},
};

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower >= 'a' && lower <= 'f')
        return lower - 'a' + 10;
    return -1;
}

// "fff", "ffffff", with or without a leading "#".
bool parseRgb(std::string_view text, SourceColor& color)
{
    text = trimmed(text);
    if (!text.empty() && text.front() == '#')
        text.remove_prefix(1);
    if (text.size() != 3 && text.size() != 6)
        return false;
    int channels[3];
    const std::size_t width = text.size() / 3;
    for (std::size_t i = 0; i < 3; ++i) {
        const int high = hexDigit(text[i * width]);
        const int low = hexDigit(text[i * width + width - 1]);
        if (high < 0 || low < 0)
            return false;
        channels[i] = width == 1 ? high * 17 : high * 16 + low;
    }
    color.r = channels[0];
    color.g = channels[1];
    color.b = channels[2];
    return true;
}

// The file's colours by name and by character, looked up in constant time.
class ColorTable {
public:
    // Adds `color` unless its name is known; false when it is.
    bool add(SourceClues& source, const SourceColor& color)
    {
        const int index = static_cast<int>(source.colors.size());
        if (!m_byName.emplace(color.name, index).second)
            return false;
        const auto symbol = static_cast<unsigned char>(color.symbol);
        if (symbol != 0 && m_bySymbol[symbol] < 0)
            m_bySymbol[symbol] = index;
        source.colors.push_back(color);
        return true;
    }

    bool symbolTaken(char symbol) const { return m_bySymbol[static_cast<unsigned char>(symbol)] >= 0; }

    int indexOf(const std::string& name) const
    {
        const auto found = m_byName.find(name);
        return found == m_byName.end() ? -1 : found->second;
    }

    // The colour `symbol` stands for in a solution, or -1.
    int indexOfSymbol(char symbol) const { return symbol == 0 ? -1 : m_bySymbol[static_cast<unsigned char>(symbol)]; }

private:
    std::unordered_map<std::string, int> m_byName;
    std::array<int, 256> m_bySymbol = filledWithNone();

    static std::array<int, 256> filledWithNone()
    {
        std::array<int, 256> none {};
        none.fill(-1);
        return none;
    }
};

class WebpbnParser : SourceParser {
public:
    using SourceParser::SourceParser;

    SourceResult parse(std::string_view bytes)
    {
        if (bytes.size() > MaxXmlBytes)
            return fail(txt::ClueFileTooLarge);
        if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
            bytes.remove_prefix(3);
        m_lines = LineIndex(bytes);
        pugi::xml_document document;
        const XmlCheck check = loadXml(bytes, document, m_lines);
        if (check.status == XmlStatus::TooLarge)
            return fail(txt::ClueFileTooLarge);
        if (check.status != XmlStatus::Parsed)
            return fail(txt::ClueXmlMalformedBefore, check.errorLine, txt::ClueXmlMalformedAfter);
        const pugi::xml_node root = document.document_element();
        pugi::xml_node puzzle = named(root, "puzzle") ? root : pugi::xml_node();
        if (named(root, "puzzleset"))
            puzzle = root.child("puzzle");
        if (!puzzle)
            return fail(txt::ClueFileIncomplete);
        const std::optional<std::string> type = attributeOf(puzzle, "type");
        if (type && *type != "grid")
            return fail(txt::ClueFileNotGrid);
        const pugi::xml_node setTitle = named(root, "puzzleset") ? root.child("title") : pugi::xml_node();
        return readPuzzle(puzzle, setTitle);
    }

private:
    SourceResult unknownColor(int line) { return fail(txt::ClueUnknownColorBefore, line, txt::ClueUnknownColorAfter); }

    // `setTitle`: the puzzle set's title, for a puzzle without one of its own.
    SourceResult readPuzzle(const pugi::xml_node& puzzle, const pugi::xml_node& setTitle)
    {
        SourceClues source;
        ColorTable colors;
        for (const pugi::xml_node e : puzzle.children("color")) {
            SourceColor color;
            const std::optional<std::string> name = attributeOf(e, "name");
            if (!name || !parseRgb(textOf(e), color))
                return lineInvalid(m_lines.lineOf(e));
            if (source.colors.size() == MaxSourceColors)
                return fail(txt::ClueTooManyColorDefinitions);
            color.name = *name;
            if (const std::optional<std::string> symbol = attributeOf(e, "char"); symbol && symbol->size() == 1) {
                color.symbol = (*symbol)[0];
                if (colors.symbolTaken(color.symbol))
                    return failNaming(txt::ClueSymbolTwiceBefore, *symbol, txt::ClueSymbolTwiceAfter);
            }
            if (!colors.add(source, color))
                return failNaming(txt::ClueColorTwiceBefore, color.name, txt::ClueColorTwiceAfter);
        }
        // Black and white need no definition; their characters are their
        // own unless the file gave them to a colour of its own.
        for (std::uint8_t index : {White, Black}) {
            const PaletteColor& p = Palette[index];
            const char symbol = colors.symbolTaken(PaletteSymbols[index].symbol) ? 0 : PaletteSymbols[index].symbol;
            colors.add(source, SourceColor {PaletteSymbols[index].name, symbol, p.r, p.g, p.b, false});
        }
        source.background = colors.indexOf(attributeOf(puzzle, "backgroundcolor").value_or("white"));
        if (source.background < 0)
            return unknownColor(m_lines.lineOf(puzzle));
        const int defaultColor = colors.indexOf(attributeOf(puzzle, "defaultcolor").value_or("black"));

        pugi::xml_node rows, columns;
        for (const pugi::xml_node e : puzzle.children()) {
            if (!named(e, "clues") && !named(e, "clue"))
                continue;
            const std::optional<std::string> type = attributeOf(e, "type");
            if (type && *type == "rows" && !rows)
                rows = e;
            else if (type && *type == "columns" && !columns)
                columns = e;
        }
        if (!rows || !columns)
            return fail(txt::ClueFileIncomplete);
        for (const auto& [section, lines] : {std::pair {rows, &source.rows}, std::pair {columns, &source.columns}}) {
            for (const pugi::xml_node line : section.children("line")) {
                std::vector<RunToken>& runs = lines->emplace_back();
                for (const pugi::xml_node count : line.children("count")) {
                    const int number = m_lines.lineOf(count);
                    const std::optional<int> length = parseCount(textOf(count));
                    if (!length)
                        return lineInvalid(number);
                    const std::optional<std::string> colorName = attributeOf(count, "color");
                    const int color = colorName ? colors.indexOf(*colorName) : defaultColor;
                    if (color < 0)
                        return unknownColor(number);
                    if (color == source.background)
                        return lineInvalid(number);
                    runs.push_back(RunToken {*length, color, number});
                }
            }
        }
        pugi::xml_node title = puzzle.child("title");
        if (!title)
            title = setTitle;
        if (title)
            source.title = std::string(trimmed(textOf(title)));
        if (source.title.size() > MaxSourceTitleBytes)
            return fail(txt::ClueTitleTooLong);
        for (const pugi::xml_node e : puzzle.children("solution")) {
            const std::optional<std::string> type = attributeOf(e, "type");
            if (type && *type != "goal" && *type != "solution")
                continue;
            const pugi::xml_node image = e.child("image");
            if (!image || !readImage(textOf(image), colors, source))
                return fail(txt::ClueSolutionMalformed);
            break;
        }
        SourceResult result;
        result.clues = std::move(source);
        return result;
    }

    // Rows between "|" characters, white space ignored. Every character must
    // stand for one colour: the "[..]" and "?" of partial solutions do not
    // make a picture.
    static bool readImage(std::string_view text, const ColorTable& colors, SourceClues& source)
    {
        source.hasPicture = true;
        std::vector<int> row;
        for (char c : text) {
            if (std::isspace(static_cast<unsigned char>(c)))
                continue;
            if (c == '|') {
                if (!row.empty())
                    source.picture.push_back(std::move(row));
                row.clear();
                continue;
            }
            const int color = colors.indexOfSymbol(c);
            if (color < 0 || source.picture.size() >= MaxPuzzleSize || row.size() >= MaxPuzzleSize)
                return false; // not a picture, or one larger than any puzzle
            row.push_back(color);
        }
        if (!row.empty())
            source.picture.push_back(std::move(row));
        return true;
    }

    LineIndex m_lines {std::string_view()};
};

} // namespace

SourceResult parseWebpbn(std::string_view bytes, const std::string& path, Language language)
{
    return WebpbnParser(path, language).parse(bytes);
}

} // namespace clue_source

namespace {

void writeLines(std::string& out, const char* type, int lines, const std::array<LineClue, MaxPuzzleSize>& clues)
{
    out += std::string("<clues type=\"") + type + "\">\n";
    for (int line = 0; line < lines; ++line) {
        const LineClue& clue = clues[static_cast<std::size_t>(line)];
        out += "<line>";
        for (int k = 0; k < clue.count; ++k) {
            const int color = clue.color(k);
            out += color == Black
                       ? std::string("<count>")
                       : std::string("<count color=\"") + clue_source::PaletteSymbols[color % PaletteSize].name + "\">";
            out += std::to_string(clue.length(k)) + "</count>";
        }
        out += "</line>\n";
    }
    out += "</clues>\n";
}

} // namespace

std::string webpbnBytes(const Puzzle& puzzle)
{
    using clue_source::PaletteSymbols;
    ClueTables clues;
    deriveClues(puzzle, clues);
    unsigned used = (1u << White) | (1u << Black);
    for (int y = 0; y < puzzle.height; ++y)
        for (int x = 0; x < puzzle.width; ++x)
            used |= 1u << (puzzle.cell(x, y) % PaletteSize);

    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<!DOCTYPE pbn SYSTEM \"http://webpbn.com/pbn-0.3.dtd\">\n"
                      "<puzzleset>\n"
                      "<puzzle type=\"grid\" defaultcolor=\"black\">\n";
    if (!puzzle.title.empty())
        out += "<title>" + clue_source::escapeXml(puzzle.title) + "</title>\n";
    for (std::uint8_t index = 0; index < PaletteSize; ++index) {
        if ((used & (1u << index)) == 0)
            continue;
        char rgb[7];
        std::snprintf(rgb, sizeof rgb, "%02X%02X%02X", Palette[index].r, Palette[index].g, Palette[index].b);
        out += std::string("<color name=\"") + PaletteSymbols[index].name + "\" char=\"" + PaletteSymbols[index].symbol
               + "\">" + rgb + "</color>\n";
    }
    writeLines(out, "columns", puzzle.width, clues.columns);
    writeLines(out, "rows", puzzle.height, clues.rows);
    out += "<solution type=\"goal\">\n<image>\n";
    for (int y = 0; y < puzzle.height; ++y) {
        out += '|';
        for (int x = 0; x < puzzle.width; ++x)
            out += PaletteSymbols[puzzle.cell(x, y) % PaletteSize].symbol;
        out += "|\n";
    }
    out += "</image>\n</solution>\n</puzzle>\n</puzzleset>\n";
    return out;
}

} // namespace gw
