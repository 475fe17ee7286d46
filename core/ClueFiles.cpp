// Clue files: what every format shares. The checks after parsing, the
// mapping of file colours to the palette, reading a file from disk and the
// export.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <limits>

#include "AtomicFile.h"
#include "ClueSource.h"
#include "Palette.h"
#include "Paths.h"
#include "RegularFile.h"
#include "lang/Language.h"
#include "lang/Texts.h"

namespace gw {

namespace clue_source {

namespace {

using Runs = std::vector<std::pair<int, std::uint8_t>>; // length, palette index

int squaredDistance(const SourceColor& c, std::uint8_t index)
{
    const PaletteColor& p = Palette[index];
    const int dr = c.r - p.r, dg = c.g - p.g, db = c.b - p.b;
    return dr * dr + dg * dg + db * db;
}

// Gives each used colour of `wanted` a palette colour of its own (never
// white): the assignment with the least total squared distance, found by
// trying every one (at most 7! = 5040). Ties keep the first found, that is
// the lower palette indices for the earlier colours.
class PaletteAssignment {
public:
    PaletteAssignment(const std::vector<SourceColor>& colors, std::vector<int> wanted)
        : m_colors(colors), m_wanted(std::move(wanted)), m_current(m_wanted.size()), m_best(m_wanted.size())
    {
        search(0, 0);
    }
    std::uint8_t indexOf(std::size_t k) const { return m_best[k]; }

private:
    void search(std::size_t k, long cost)
    {
        if (cost >= m_bestCost)
            return;
        if (k == m_wanted.size()) {
            m_bestCost = cost;
            m_best = m_current;
            return;
        }
        for (std::uint8_t index = 0; index < PaletteSize; ++index) {
            if (index == White || (m_taken & (1u << index)) != 0)
                continue;
            m_taken |= 1u << index;
            m_current[k] = index;
            search(k + 1, cost + squaredDistance(m_colors[static_cast<std::size_t>(m_wanted[k])], index));
            m_taken &= ~(1u << index);
        }
    }

    const std::vector<SourceColor>& m_colors;
    std::vector<int> m_wanted;
    std::vector<std::uint8_t> m_current, m_best;
    unsigned m_taken = 0;
    long m_bestCost = std::numeric_limits<long>::max();
};

std::string hexOf(const SourceColor& c)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", c.r & 0xFF, c.g & 0xFF, c.b & 0xFF);
    return text;
}

// Checks the numbers of every line; returns the line number of the first
// one out of range, or 0. A single 0 stands for an empty line.
int firstBadNumber(const std::vector<std::vector<RunToken>>& lines)
{
    for (const std::vector<RunToken>& runs : lines) {
        if (runs.size() == 1 && runs[0].length == 0)
            continue;
        for (const RunToken& run : runs)
            if (run.length < 1 || run.length > MaxPuzzleSize)
                return run.line;
    }
    return 0;
}

// Each line's tokens as its clue, colours mapped to the palette.
void fillLines(const std::vector<std::vector<RunToken>>& lines, const std::vector<std::uint8_t>& toPalette,
               std::array<LineClue, MaxPuzzleSize>& clues, std::int16_t& maxCount)
{
    int most = 0;
    for (std::size_t line = 0; line < lines.size(); ++line) {
        LineClue& clue = clues[line];
        for (const RunToken& run : lines[line])
            if (run.length > 0) // else the single 0 of an empty line
                clue.addRun(run.length, toPalette[static_cast<std::size_t>(run.color)]);
        most = std::max(most, clue.count);
    }
    maxCount = static_cast<std::int16_t>(std::max(most, 1));
}

// The 0-based index of the first line whose runs, with the gaps runs of one
// colour need between them, are longer than `length`; -1 when all fit.
// Checked on the file's runs, before they are stored: the tables have room
// for a line only as long as the longest puzzle line. (File colours map to
// distinct palette colours, so "one colour" is the same in both.)
int firstLineTooLong(const std::vector<std::vector<RunToken>>& lines, int length)
{
    for (std::size_t line = 0; line < lines.size(); ++line) {
        int needed = 0;
        const RunToken* previous = nullptr;
        for (const RunToken& run : lines[line]) {
            if (run.length == 0)
                continue; // the single 0 of an empty line
            needed += run.length + (previous && previous->color == run.color ? 1 : 0);
            previous = &run;
        }
        if (needed > length)
            return static_cast<int>(line);
    }
    return -1;
}

ClueReadResult failed(Message message)
{
    ClueReadResult result;
    result.messages.push_back(std::move(message));
    return result;
}

} // namespace

std::string_view trimmed(std::string_view text)
{
    const auto space = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && space(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && space(text.back()))
        text.remove_suffix(1);
    return text;
}

std::optional<int> parseCount(std::string_view text)
{
    text = trimmed(text);
    if (text.empty())
        return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = std::min(LengthCap, value * 10 + (c - '0'));
    }
    return value;
}

Message failure(const std::string& path, Language language, const Text& text)
{
    return Message {chooseText(language, text), path, MessageIcon::Critical};
}

Message failure(const std::string& path, Language language, const Text& before, int n, const Text& after)
{
    return Message {chooseText(language, before) + " " + std::to_string(n) + chooseText(language, after), path,
                    MessageIcon::Critical};
}

SourceParser::SourceParser(const std::string& path, Language language) : m_path(path), m_language(language) { }

SourceResult SourceParser::fail(Message message) const
{
    SourceResult result;
    result.failure = std::move(message);
    return result;
}

SourceResult SourceParser::fail(const Text& text) const { return fail(failure(m_path, m_language, text)); }

SourceResult SourceParser::fail(const Text& before, int line, const Text& after) const
{
    return fail(failure(m_path, m_language, before, line, after));
}

SourceResult SourceParser::failNaming(const Text& before, std::string_view name, const Text& after) const
{
    // A name as the file spells it, but short and printable: at most 40
    // bytes of whole UTF-8 characters, control characters as "?".
    constexpr std::size_t Shown = 40;
    std::string shown;
    for (std::size_t i = 0; i < name.size();) {
        const std::size_t length = std::max<std::size_t>(utf8SequenceLength(name.substr(i)), 1);
        if (shown.size() + length > Shown) {
            shown += "\u2026";
            break;
        }
        const auto lead = static_cast<unsigned char>(name[i]);
        const bool printable = utf8SequenceLength(name.substr(i)) != 0 && lead >= 0x20 && lead != 0x7F;
        shown += printable ? std::string(name.substr(i, length)) : std::string("?");
        i += length;
    }
    return fail(Message {chooseText(m_language, before) + " \"" + shown + "\"" + chooseText(m_language, after), m_path,
                         MessageIcon::Critical});
}

SourceResult SourceParser::lineInvalid(int line) const
{
    return fail(txt::ClueLineInvalidBefore, line, txt::ClueLineInvalidAfter);
}

ClueReadResult finishClueSource(SourceClues source, const std::string& path, Language language)
{
    if (source.rows.empty() || source.columns.empty())
        return failed(failure(path, language, txt::ClueFileIncomplete));
    const int width = static_cast<int>(std::min<std::size_t>(source.columns.size(), 100000));
    const int height = static_cast<int>(std::min<std::size_t>(source.rows.size(), 100000));
    if (width > MaxPuzzleSize || height > MaxPuzzleSize)
        return failed(Message {chooseText(language, txt::CluePuzzleTooLargeBefore) + " " + std::to_string(width) + " x "
                                   + std::to_string(height) + chooseText(language, txt::CluePuzzleTooLargeAfter),
                               path, MessageIcon::Critical});
    if (const int line = std::max(firstBadNumber(source.rows), firstBadNumber(source.columns)); line != 0)
        return failed(failure(path, language, txt::ClueNumberBefore, line, txt::ClueNumberAfter));

    // Every colour in use gets its palette colour; the background is white.
    for (const auto* lines : {&source.rows, &source.columns})
        for (const std::vector<RunToken>& runs : *lines)
            for (const RunToken& run : runs)
                if (run.length > 0)
                    source.colors[static_cast<std::size_t>(run.color)].used = true;
    for (const std::vector<int>& row : source.picture)
        for (int color : row)
            source.colors[static_cast<std::size_t>(color)].used = true;
    std::vector<int> wanted;
    for (std::size_t i = 0; i < source.colors.size(); ++i)
        if (source.colors[i].used && static_cast<int>(i) != source.background)
            wanted.push_back(static_cast<int>(i));
    if (wanted.size() > PaletteSize - 1)
        return failed(failure(path, language, txt::ClueTooManyColors));
    const PaletteAssignment assignment(source.colors, wanted);
    std::vector<std::uint8_t> toPalette(source.colors.size(), White);
    ClueReadResult result;
    std::string replaced;
    for (std::size_t k = 0; k < wanted.size(); ++k) {
        const std::uint8_t index = assignment.indexOf(k);
        const SourceColor& color = source.colors[static_cast<std::size_t>(wanted[k])];
        toPalette[static_cast<std::size_t>(wanted[k])] = index;
        result.file.color = result.file.color || index != Black;
        if (squaredDistance(color, index) != 0)
            replaced += "\n" + color.name + " (" + hexOf(color) + ") \u2192 " + colorName(language, index);
    }
    if (!replaced.empty())
        result.messages.push_back(
            Message {chooseText(language, txt::ClueColorsReplaced) + replaced, path, MessageIcon::Information});

    ClueFile& file = result.file;
    file.width = width;
    file.height = height;
    file.title = std::move(source.title);
    ClueTables& c = file.clues;
    if (const int y = firstLineTooLong(source.rows, width); y >= 0)
        return failed(failure(path, language, txt::ClueRowTooLongBefore, y + 1, txt::ClueRowTooLongAfter));
    if (const int x = firstLineTooLong(source.columns, height); x >= 0)
        return failed(failure(path, language, txt::ClueColumnTooLongBefore, x + 1, txt::ClueColumnTooLongAfter));
    fillLines(source.rows, toPalette, c.rows, c.maxRowClues);
    fillLines(source.columns, toPalette, c.columns, c.maxColumnClues);

    if (source.hasPicture) {
        const bool complete = static_cast<int>(source.picture.size()) == height
                              && std::all_of(source.picture.begin(), source.picture.end(),
                                             [&](const std::vector<int>& row) { return int(row.size()) == width; });
        if (!complete)
            return failed(failure(path, language, txt::ClueSolutionMalformed));
        Puzzle picture;
        picture.width = static_cast<std::int16_t>(width);
        picture.height = static_cast<std::int16_t>(height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                picture.cell(x, y) = toPalette[static_cast<std::size_t>(
                    source.picture[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)])];
        ClueTables derived;
        deriveClues(picture, derived);
        if (derived.rows != c.rows || derived.columns != c.columns)
            return failed(failure(path, language, txt::ClueSolutionMismatch));
        file.picture = picture.cells;
    }
    result.ok = true;
    return result;
}

} // namespace clue_source

std::optional<ClueFormat> clueFormatFromPath(const std::string& path)
{
    if (hasExtension(fileNamePart(path), ".xml"))
        return ClueFormat::Webpbn;
    if (hasExtension(fileNamePart(path), ".non"))
        return ClueFormat::Non;
    return std::nullopt;
}

ClueReadResult readClueData(std::string_view bytes, ClueFormat format, const std::string& path, Language language)
{
    clue_source::SourceResult source = format == ClueFormat::Webpbn ? clue_source::parseWebpbn(bytes, path, language)
                                                                    : clue_source::parseNon(bytes, path, language);
    if (!source.clues)
        return clue_source::failed(std::move(source.failure));
    return clue_source::finishClueSource(std::move(*source.clues), path, language);
}

ClueReadResult readClueFile(const std::string& path, Language language)
{
    using clue_source::failure;
    const auto failed = [&](const Text& text, std::string reason) {
        ClueReadResult result = clue_source::failed(failure(path, language, text));
        result.reason = std::move(reason);
        return result;
    };
    if (path.empty())
        return failed(txt::ErrorOpening, "no file name given");
    // Regular files only, opened without blocking; one byte past the limit
    // tells a file that is too large (also one that grew since it was chosen).
    int error = 0;
    const std::optional<std::string> read =
        readRegularFile(path, static_cast<std::size_t>(MaxClueFileBytes) + 1, &error);
    if (!read)
        return failed(txt::ErrorOpening, fileErrorText(error));
    const std::string& bytes = *read;
    if (bytes.size() > MaxClueFileBytes)
        return failed(txt::ClueFileTooLarge, "larger than " + std::to_string(MaxClueFileBytes) + " bytes");
    std::optional<ClueFormat> format = clueFormatFromPath(path);
    if (!format) {
        const std::size_t first = bytes.find_first_not_of(" \t\r\n");
        format = first != std::string::npos && bytes[first] == '<' ? ClueFormat::Webpbn : ClueFormat::Non;
    }
    return readClueData(bytes, *format, path, language);
}

bool blackAndWhiteOnly(const Puzzle& puzzle)
{
    for (int y = 0; y < puzzle.height; ++y)
        for (int x = 0; x < puzzle.width; ++x)
            if (puzzle.cell(x, y) != Black && puzzle.cell(x, y) != White)
                return false;
    return true;
}

SaveResult exportClueFile(const Puzzle& puzzle, const std::string& path, ClueFormat format, Language language)
{
    SaveResult result;
    if (format == ClueFormat::Non && !blackAndWhiteOnly(puzzle)) {
        result.message = Message {chooseText(language, txt::NonBlackWhiteOnly),
                                  chooseText(language, txt::ExportCluesTitle), MessageIcon::Exclamation};
        result.reason = "a .non file holds black-and-white puzzles only";
        return result;
    }
    const std::string bytes = format == ClueFormat::Webpbn ? webpbnBytes(puzzle) : nonBytes(puzzle);
    result.ok = writeFileAtomically(path, bytes, &result.reason);
    if (!result.ok)
        result.message = clue_source::failure(path, language, txt::ErrorSaving);
    return result;
}

} // namespace gw
