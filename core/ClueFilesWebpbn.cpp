// webpbn's XML format: <puzzleset><puzzle type="grid" defaultcolor="black">
// with <title>, <color name= char=>RGB</color> definitions, <clues
// type="columns"> and <clues type="rows"> holding one <line> of <count
// color=>N</count> a line, and <solution type="goal"><image> rows of colour
// characters, each row between "|" characters.
#include <array>
#include <cctype>
#include <cstdio>
#include <unordered_map>

#include "ClueSource.h"
#include "Palette.h"
#include "Xml.h"
#include "lang/Texts.h"

namespace gw {

namespace clue_source {

namespace {

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
        const XmlDocument document = parseXml(bytes);
        if (document.status == XmlStatus::TooLarge)
            return fail(txt::ClueFileTooLarge);
        if (!document.parsed())
            return fail(txt::ClueXmlMalformedBefore, document.errorLine, txt::ClueXmlMalformedAfter);
        const XmlElement* puzzle = document.root.name == "puzzle" ? &document.root : nullptr;
        if (document.root.name == "puzzleset")
            puzzle = document.root.child("puzzle");
        if (puzzle == nullptr)
            return fail(txt::ClueFileIncomplete);
        const std::string* type = puzzle->attribute("type");
        if (type != nullptr && *type != "grid")
            return fail(txt::ClueFileNotGrid);
        const XmlElement* setTitle = document.root.name == "puzzleset" ? document.root.child("title") : nullptr;
        return readPuzzle(*puzzle, setTitle);
    }

private:
    SourceResult unknownColor(int line) { return fail(txt::ClueUnknownColorBefore, line, txt::ClueUnknownColorAfter); }

    // `setTitle`: the puzzle set's title, for a puzzle without one of its own.
    SourceResult readPuzzle(const XmlElement& puzzle, const XmlElement* setTitle)
    {
        SourceClues source;
        ColorTable colors;
        for (const XmlElement& e : puzzle.children) {
            if (e.name != "color")
                continue;
            SourceColor color;
            const std::string* name = e.attribute("name");
            if (name == nullptr || !parseRgb(e.text, color))
                return lineInvalid(e.line);
            if (source.colors.size() == MaxSourceColors)
                return fail(txt::ClueTooManyColorDefinitions);
            color.name = *name;
            if (const std::string* symbol = e.attribute("char"); symbol != nullptr && symbol->size() == 1) {
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
        const std::string* background = puzzle.attribute("backgroundcolor");
        source.background = colors.indexOf(background != nullptr ? *background : "white");
        if (source.background < 0)
            return unknownColor(puzzle.line);
        const std::string* defaultName = puzzle.attribute("defaultcolor");
        const int defaultColor = colors.indexOf(defaultName != nullptr ? *defaultName : "black");

        const XmlElement* rows = nullptr;
        const XmlElement* columns = nullptr;
        for (const XmlElement& e : puzzle.children) {
            if (e.name != "clues" && e.name != "clue")
                continue;
            const std::string* type = e.attribute("type");
            if (type != nullptr && *type == "rows" && rows == nullptr)
                rows = &e;
            else if (type != nullptr && *type == "columns" && columns == nullptr)
                columns = &e;
        }
        if (rows == nullptr || columns == nullptr)
            return fail(txt::ClueFileIncomplete);
        for (const auto& [section, lines] : {std::pair {rows, &source.rows}, std::pair {columns, &source.columns}}) {
            for (const XmlElement& line : section->children) {
                if (line.name != "line")
                    continue;
                std::vector<SourceRun>& runs = lines->emplace_back();
                for (const XmlElement& count : line.children) {
                    if (count.name != "count")
                        continue;
                    const std::optional<int> length = parseCount(count.text);
                    if (!length)
                        return lineInvalid(count.line);
                    const std::string* named = count.attribute("color");
                    const int color = named != nullptr ? colors.indexOf(*named) : defaultColor;
                    if (color < 0)
                        return unknownColor(count.line);
                    if (color == source.background)
                        return lineInvalid(count.line);
                    runs.push_back(SourceRun {*length, color, count.line});
                }
            }
        }
        const XmlElement* title = puzzle.child("title");
        if (title == nullptr)
            title = setTitle;
        if (title != nullptr)
            source.title = std::string(trimmed(title->text));
        if (source.title.size() > MaxSourceTitleBytes)
            return fail(txt::ClueTitleTooLong);
        for (const XmlElement& e : puzzle.children) {
            const std::string* type = e.attribute("type");
            if (e.name != "solution" || (type != nullptr && *type != "goal" && *type != "solution"))
                continue;
            const XmlElement* image = e.child("image");
            if (image == nullptr || !readImage(image->text, colors, source))
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
};

} // namespace

SourceResult parseWebpbn(std::string_view bytes, const std::string& path, Language language)
{
    return WebpbnParser(path, language).parse(bytes);
}

} // namespace clue_source

namespace {

void writeLines(std::string& out, const char* type, int lines,
                const std::array<std::uint8_t, MaxPuzzleSize * RunSlots>& lengths,
                const std::array<std::uint8_t, MaxPuzzleSize * RunSlots>& colors,
                const std::array<std::uint8_t, MaxPuzzleSize>& counts)
{
    out += std::string("<clues type=\"") + type + "\">\n";
    for (int line = 0; line < lines; ++line) {
        out += "<line>";
        for (int k = 0; k < counts[static_cast<std::size_t>(line)]; ++k) {
            const std::uint8_t color = colors[ClueTables::at(line, k)];
            out += color == Black
                       ? std::string("<count>")
                       : std::string("<count color=\"") + clue_source::PaletteSymbols[color % PaletteSize].name + "\">";
            out += std::to_string(lengths[ClueTables::at(line, k)]) + "</count>";
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
        out += "<title>" + escapeXml(puzzle.title) + "</title>\n";
    for (std::uint8_t index = 0; index < PaletteSize; ++index) {
        if ((used & (1u << index)) == 0)
            continue;
        char rgb[7];
        std::snprintf(rgb, sizeof rgb, "%02X%02X%02X", Palette[index].r, Palette[index].g, Palette[index].b);
        out += std::string("<color name=\"") + PaletteSymbols[index].name + "\" char=\"" + PaletteSymbols[index].symbol
               + "\">" + rgb + "</color>\n";
    }
    writeLines(out, "columns", puzzle.width, clues.columnClueLength, clues.columnClueColor, clues.columnClueCount);
    writeLines(out, "rows", puzzle.height, clues.rowClueLength, clues.rowClueColor, clues.rowClueCount);
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
