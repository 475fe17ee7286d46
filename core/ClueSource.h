#pragma once
// Inside the clue-file readers: a file as its format's parser reads it,
// before the checks and the palette mapping every format shares
// (finishClueSource). Not for use outside core/ClueFiles*.cpp.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ClueFiles.h"
#include "lang/Text.h"

namespace gw::clue_source {

// Run lengths above this are kept as this value: out of range either way.
constexpr int LengthCap = 1000000;
// The most colour definitions a webpbn file may hold (the palette has 8).
constexpr std::size_t MaxSourceColors = 256;
// The longest title a clue file may give, in bytes.
constexpr std::size_t MaxSourceTitleBytes = 1000;

struct SourceColor {
    std::string name;
    char symbol = 0; // the character that stands for it in a solution; 0 for none
    int r = 0, g = 0, b = 0;
    bool used = false;
};

// The parser's raw token for one number of a line's clue, before the checks:
// finishClueSource turns a line's tokens into its LineClue.
struct RunToken {
    int length = 0; // as written, at most LengthCap
    int color = 0;  // index into SourceClues::colors
    int line = 0;   // 1-based line of the file, for messages
};

struct SourceClues {
    std::vector<SourceColor> colors;
    int background = 0; // index into colors: the empty cell
    std::vector<std::vector<RunToken>> rows, columns;
    std::string title;
    // Solution rows of colour indices; empty when the file has none.
    std::vector<std::vector<int>> picture;
    bool hasPicture = false;
};

// What a parser gives: the clues, or the message that ends the reading.
struct SourceResult {
    std::optional<SourceClues> clues;
    Message failure;
};

// What both formats' parsers share: the path and language of their messages.
class SourceParser {
public:
    SourceParser(const std::string& path, Language language);

protected:
    SourceResult fail(Message message) const;
    SourceResult fail(const Text& text) const;
    // before + " " + line + after
    SourceResult fail(const Text& before, int line, const Text& after) const;
    SourceResult lineInvalid(int line) const;
    // before + " \"" + name + "\"" + after
    SourceResult failNaming(const Text& before, std::string_view name, const Text& after) const;

    const std::string& m_path;
    Language m_language;
};

SourceResult parseWebpbn(std::string_view bytes, const std::string& path, Language language);
SourceResult parseNon(std::string_view bytes, const std::string& path, Language language);

// The checks and mapping described at readClueData, and the clue tables.
ClueReadResult finishClueSource(SourceClues source, const std::string& path, Language language);

// A failure message: `text` in `language`, the path as title, critical icon.
Message failure(const std::string& path, Language language, const Text& text);
// The same for before + " " + n + after (n written with one leading blank).
Message failure(const std::string& path, Language language, const Text& before, int n, const Text& after);

// A decimal number of digits only (after trimming white space), at most
// LengthCap; nothing for anything else.
std::optional<int> parseCount(std::string_view text);
std::string_view trimmed(std::string_view text);

} // namespace gw::clue_source
