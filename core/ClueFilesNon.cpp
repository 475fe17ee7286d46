// The .non text format: one key a line ("width 5", "height 10", "title
// \"...\"", "goal \"0110...\""), and "rows" and "columns" each followed by
// exactly height or width lines of comma-separated clue numbers (an empty
// line or "0" for a line without runs). Width and height come before the
// sections; lines with keys we do not know are skipped.
#include <algorithm>
#include <cctype>

#include "ClueFileEntities.h"
#include "ClueSource.h"
#include "Palette.h"
#include "lang/Texts.h"

namespace gw {

namespace clue_source {

namespace {

// The .non format's two colours: the background and black.
constexpr int NonWhite = 0, NonBlack = 1;

std::string_view unquoted(std::string_view text)
{
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        return text.substr(1, text.size() - 2);
    return text;
}

std::vector<std::string_view> splitLines(std::string_view bytes)
{
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    std::vector<std::string_view> lines;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        lines.push_back(bytes.substr(0, end));
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    }
    return lines;
}

enum class ClueLine { Valid, Invalid, Colored };

// Reads "2,1,3" (blanks also separate numbers) into black runs.
ClueLine readClueLine(std::string_view text, int line, std::vector<RunToken>& runs)
{
    text = trimmed(text);
    if (text.empty())
        return ClueLine::Valid;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(',', start);
        const std::string_view piece =
            trimmed(text.substr(start, comma == std::string_view::npos ? comma : comma - start));
        if (piece.empty())
            return ClueLine::Invalid;
        std::size_t i = 0;
        while (i < piece.size()) {
            const std::size_t end = std::min(piece.find_first_of(" \t", i), piece.size());
            const std::string_view item = piece.substr(i, end - i);
            const std::optional<int> length = parseCount(item);
            if (!length) {
                const std::size_t digits = item.find_first_not_of("0123456789");
                const bool colorLetter =
                    digits > 0 && digits + 1 == item.size() && std::isalpha(static_cast<unsigned char>(item[digits]));
                return colorLetter ? ClueLine::Colored : ClueLine::Invalid;
            }
            runs.push_back(RunToken {*length, NonBlack, line});
            i = piece.find_first_not_of(" \t", end);
            if (i == std::string_view::npos)
                break;
        }
        if (comma == std::string_view::npos)
            return ClueLine::Valid;
        start = comma + 1;
    }
}

class NonParser : SourceParser {
public:
    using SourceParser::SourceParser;

    SourceResult parse(std::string_view bytes)
    {
        const std::vector<std::string_view> lines = splitLines(bytes);
        SourceClues source;
        source.colors = {SourceColor {"white", '0', 255, 255, 255, false}, SourceColor {"black", '1', 0, 0, 0, false}};
        source.background = NonWhite;
        int width = -1, height = -1;
        bool haveRows = false, haveColumns = false;
        std::string_view goal;
        int goalLine = 0;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const int number = static_cast<int>(i) + 1;
            const std::string_view text = trimmed(lines[i]);
            const std::size_t space = text.find_first_of(" \t");
            const std::string_view key = text.substr(0, space);
            const std::string_view value =
                space == std::string_view::npos ? std::string_view() : trimmed(text.substr(space));
            if (key == "width" || key == "height") {
                const std::optional<int> size = parseCount(value);
                if (!size)
                    return lineInvalid(number);
                if (*size == 0)
                    return fail(txt::ClueNumberBefore, number, txt::ClueNumberAfter);
                (key == "width" ? width : height) = *size;
            } else if (key == "rows" || key == "columns") {
                const bool isRows = key == "rows";
                bool& seen = isRows ? haveRows : haveColumns;
                const int count = isRows ? height : width;
                if (!value.empty() || seen)
                    return lineInvalid(number);
                if (count < 0 || lines.size() - i - 1 < static_cast<std::size_t>(count))
                    return fail(txt::ClueFileIncomplete);
                seen = true;
                for (int k = 0; k < count; ++k) {
                    ++i;
                    std::vector<RunToken>& runs = (isRows ? source.rows : source.columns).emplace_back();
                    const ClueLine read = readClueLine(lines[i], static_cast<int>(i) + 1, runs);
                    if (read == ClueLine::Colored)
                        return fail(txt::ClueNonColors);
                    if (read == ClueLine::Invalid)
                        return lineInvalid(static_cast<int>(i) + 1);
                }
            } else if (key == "title") {
                source.title = unescapeXml(unquoted(value));
                if (source.title.size() > MaxSourceTitleBytes)
                    return fail(txt::ClueTitleTooLong);
            } else if (key == "goal") {
                goal = unquoted(value);
                goalLine = number;
            }
        }
        if (!haveRows || !haveColumns)
            return fail(txt::ClueFileIncomplete);
        if (goalLine != 0 && width <= MaxPuzzleSize && height <= MaxPuzzleSize)
            readGoal(goal, width, source);
        SourceResult result;
        result.clues = std::move(source);
        return result;
    }

private:
    // "0" is an empty cell, any other character a filled one; blanks are
    // skipped. A goal that does not fill the size, or holds more rows than
    // any puzzle has (kept to one more, so its memory is bounded), is left
    // for the common check to refuse.
    static void readGoal(std::string_view goal, int width, SourceClues& source)
    {
        source.hasPicture = true;
        std::vector<int> row;
        for (char c : goal) {
            if (std::isspace(static_cast<unsigned char>(c)))
                continue;
            row.push_back(c == '0' ? NonWhite : NonBlack);
            if (static_cast<int>(row.size()) == width) {
                source.picture.push_back(std::move(row));
                row.clear();
                if (source.picture.size() > MaxPuzzleSize)
                    return; // longer than any puzzle: refused as not the puzzle's size
            }
        }
        if (!row.empty())
            source.picture.push_back(std::move(row));
    }
};

void writeLines(std::string& out, const char* key, int lines, const std::array<LineClue, MaxPuzzleSize>& clues)
{
    out += std::string("\n") + key + "\n";
    for (int line = 0; line < lines; ++line) {
        const LineClue& clue = clues[static_cast<std::size_t>(line)];
        for (int k = 0; k < clue.count; ++k)
            out += (k > 0 ? "," : "") + std::to_string(clue.length(k));
        out += clue.count == 0 ? "0\n" : "\n";
    }
}

} // namespace

SourceResult parseNon(std::string_view bytes, const std::string& path, Language language)
{
    return NonParser(path, language).parse(bytes);
}

} // namespace clue_source

std::string nonBytes(const Puzzle& puzzle)
{
    ClueTables clues;
    deriveClues(puzzle, clues);
    std::string out;
    if (!puzzle.title.empty()) {
        std::string title = clue_source::escapeXml(puzzle.title);
        std::replace(title.begin(), title.end(), '\n', ' ');
        out += "title \"" + title + "\"\n";
    }
    out += "width " + std::to_string(puzzle.width) + "\nheight " + std::to_string(puzzle.height) + "\n";
    clue_source::writeLines(out, "rows", puzzle.height, clues.rows);
    clue_source::writeLines(out, "columns", puzzle.width, clues.columns);
    out += "\ngoal \"";
    for (int y = 0; y < puzzle.height; ++y)
        for (int x = 0; x < puzzle.width; ++x)
            out += puzzle.cell(x, y) == White ? '0' : '1';
    out += "\"\n";
    return out;
}

} // namespace gw
