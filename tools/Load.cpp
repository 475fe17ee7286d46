#include <functional>
#include <ostream>

#include "Commands.h"
#include "core/Paths.h"
#include "core/PuzzleFile.h"

namespace gw::cli {

namespace {

// U+0080..U+009F, which some terminals obey as they do escape sequences.
bool isC1Control(std::string_view text, std::size_t length)
{
    return length == 2 && static_cast<unsigned char>(text[0]) == 0xc2 && static_cast<unsigned char>(text[1]) < 0xa0;
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
