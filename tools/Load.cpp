#include <functional>
#include <ostream>
#include <sstream>

#include "Commands.h"
#include "core/PuzzleFile.h"

namespace gw::cli {

bool loadAsMaker(const std::string& path, Puzzle& puzzle, std::ostream& err)
{
    const LoadResult result = readPuzzleFile(puzzle, path, ReaderVariant::Maker);
    if (result.status == LoadStatus::NoFile) {
        err << "error: " << path << ": no such file\n";
        return false;
    }
    const std::size_t notices = result.loaded() ? result.messages.size() : result.messages.size() - 1;
    for (std::size_t i = 0; i < notices; ++i)
        err << "notice: " << result.messages[i].text << '\n';
    if (!result.loaded())
        err << "error: " << result.messages.back().text << '\n';
    return result.loaded();
}

namespace {

// Passes the notices loadAsMaker wrote to `messages` on to `err`, each as
// "FILE: notice: TEXT"; returns the reason of a failed load (the text of its
// "error: " line, or "cannot be read").
std::string forwardNotices(const std::string& messages, const std::string& file, std::ostream& err)
{
    std::string reason;
    std::istringstream lines(messages);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("error: ", 0) == 0)
            reason = line.substr(7);
        else
            err << file << ": " << line << '\n';
    }
    return reason.empty() ? std::string("cannot be read") : reason;
}

} // namespace

int reportEachFile(const Arguments& files, std::ostream& out, std::ostream& err,
                   const std::function<void(const std::string&, const Puzzle&)>& report)
{
    int exitCode = 0;
    for (const std::string& file : files) {
        Puzzle puzzle;
        std::ostringstream messages;
        const bool loaded = loadAsMaker(file, puzzle, messages);
        const std::string reason = forwardNotices(messages.str(), file, err);
        if (loaded) {
            report(file, puzzle);
        } else {
            out << file << "\terror\t" << reason << '\n';
            exitCode = 1;
        }
    }
    return exitCode;
}

} // namespace gw::cli
