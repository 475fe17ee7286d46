#include <cstdio>
#include <functional>
#include <ostream>

#include "Commands.h"
#include "core/Paths.h"
#include "core/PuzzleFile.h"

namespace gw::cli {

namespace {

// The code point of the well-formed UTF-8 sequence of `length` bytes
// starting `text`.
char32_t codePoint(std::string_view text, std::size_t length)
{
    static constexpr unsigned char LeadBits[] = {0, 0x7f, 0x1f, 0x0f, 0x07};
    char32_t code = static_cast<unsigned char>(text[0]) & LeadBits[length];
    for (std::size_t i = 1; i < length; ++i)
        code = (code << 6) | (static_cast<unsigned char>(text[i]) & 0x3fu);
    return code;
}

// U+0080..U+009F, which some terminals obey as they do escape sequences.
bool isC1Control(std::string_view text, std::size_t length)
{
    return length == 2 && static_cast<unsigned char>(text[0]) == 0xc2 && static_cast<unsigned char>(text[1]) < 0xa0;
}

// What a terminal draws as nothing, or obeys: the invisible format
// characters (Unicode category Cf) with the line and paragraph separators.
// The bidirectional ones among them (U+202E) can make a name read backwards.
bool isHiddenCharacter(char32_t c)
{
    return c == 0xad || (c >= 0x600 && c <= 0x605) || c == 0x61c || c == 0x6dd || c == 0x70f || c == 0x180e
           || (c >= 0x200b && c <= 0x200f) || (c >= 0x2028 && c <= 0x202e) || (c >= 0x2060 && c <= 0x206f)
           || c == 0xfeff || (c >= 0xfff9 && c <= 0xfffb) || c == 0x110bd || (c >= 0x1d173 && c <= 0x1d17a)
           || c == 0xe0001 || (c >= 0xe0020 && c <= 0xe007f);
}

// The outcome of loading one file as the maker does.
struct Loaded {
    bool ok = false;
    std::vector<std::string> notices;
    std::string failure; // "TEXT (REASON)", or the reason alone when nothing was read
};

Loaded load(const std::string& path, Puzzle& puzzle)
{
    const LoadResult result = readPuzzleFile(puzzle, path, ReaderVariant::Maker);
    Loaded loaded;
    loaded.ok = result.loaded();
    const std::size_t notices =
        loaded.ok || result.messages.empty() ? result.messages.size() : result.messages.size() - 1;
    for (std::size_t i = 0; i < notices; ++i)
        loaded.notices.push_back(result.messages[i].text);
    if (!loaded.ok)
        loaded.failure =
            result.messages.empty() ? result.reason : result.messages.back().text + " (" + result.reason + ")";
    return loaded;
}

// "\u202e" for a character of the basic plane, else "\U000e0001".
std::string hexEscape(char32_t code)
{
    char escape[12];
    std::snprintf(escape, sizeof escape, code > 0xffff ? "\\U%08x" : "\\u%04x", static_cast<unsigned>(code));
    return escape;
}

} // namespace

std::string printable(std::string_view text)
{
    static constexpr char Hex[] = "0123456789abcdef";
    std::string result;
    result.reserve(text.size());
    while (!text.empty()) {
        const unsigned char c = static_cast<unsigned char>(text[0]);
        std::size_t length = 1;
        if (c == '\\') {
            result += "\\\\";
        } else if (c == '\t') {
            result += "\\t";
        } else if (c == '\n') {
            result += "\\n";
        } else if (c == '\r') {
            result += "\\r";
        } else if (c >= 0x20 && c < 0x7f) {
            result += static_cast<char>(c);
        } else if (c >= 0x80 && (length = utf8SequenceLength(text)) > 0 && !isC1Control(text, length)) {
            const char32_t code = codePoint(text, length);
            if (isHiddenCharacter(code))
                result += hexEscape(code);
            else
                result.append(text.substr(0, length));
        } else {
            length = 1;
            result += "\\x";
            result += Hex[c >> 4];
            result += Hex[c & 15];
        }
        text.remove_prefix(length);
    }
    return result;
}

bool loadAsMaker(const std::string& path, Puzzle& puzzle, std::ostream& err)
{
    const Loaded loaded = load(path, puzzle);
    for (const std::string& notice : loaded.notices)
        err << "notice: " << printable(notice) << '\n';
    if (!loaded.ok)
        err << "error: " << printable(path) << ": " << printable(loaded.failure) << '\n';
    return loaded.ok;
}

void reportFailedSave(const std::string& path, const SaveResult& saved, std::ostream& err)
{
    err << "error: " << printable(path) << ": " << printable(saved.message.text) << " (" << printable(saved.reason)
        << ")\n";
}

int savePicture(Puzzle& puzzle, const std::string& path, std::ostream& err)
{
    const bool wantsColor = hasExtension(path, ".ppm");
    if (puzzle.isColor && !wantsColor) {
        err << "error: " << printable(path) << ": a color puzzle is saved as .ppm\n";
        return 1;
    }
    const SaveResult saved = wantsColor ? savePpm(puzzle, path) : savePbm(puzzle, path);
    if (!saved.ok) {
        reportFailedSave(path, saved, err);
        return 1;
    }
    return 0;
}

int reportEachFile(const Arguments& files, std::ostream& out, std::ostream& err,
                   const std::function<void(const std::string&, const Puzzle&)>& report)
{
    int exitCode = 0;
    for (const std::string& file : files) {
        Puzzle puzzle;
        const Loaded loaded = load(file, puzzle);
        const std::string shown = printable(file);
        for (const std::string& notice : loaded.notices)
            err << shown << ": notice: " << printable(notice) << '\n';
        if (loaded.ok) {
            report(shown, puzzle);
        } else {
            out << shown << "\terror\t" << printable(loaded.failure) << '\n';
            exitCode = 1;
        }
    }
    return exitCode;
}

} // namespace gw::cli
