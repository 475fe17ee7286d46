#include <chrono>
#include <optional>
#include <ostream>

#include "Commands.h"
#include "core/PuzzleFile.h"
#include "solver/analysis/RandomPuzzle.h"

namespace gw::cli {

namespace {

const char* const GenerateUsage =
    "usage: gridwick-cli generate [--size WxH] [--colors N] [--grade easy|medium|hard] [--code CODE] "
    "OUT.pbm|OUT.ppm\n";

bool endsWith(const std::string& text, const std::string& ending)
{
    return text.size() >= ending.size() && text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

// A whole number 1..99 spelled by all of `text`, or -1.
int smallNumber(const std::string& text)
{
    if (text.empty() || text.size() > 2 || text.find_first_not_of("0123456789") != std::string::npos)
        return -1;
    return std::stoi(text);
}

// The code the options ask for; nothing (with an error on `err`) on a bad option.
std::optional<analysis::PuzzleCode> codeFromOptions(const Arguments& options, std::ostream& err)
{
    int width = 15, height = 15, colors = 2;
    analysis::Difficulty grade = analysis::Difficulty::Medium;
    for (std::size_t i = 0; i + 1 < options.size(); i += 2) {
        const std::string& name = options[i];
        const std::string& value = options[i + 1];
        if (name == "--code") {
            if (options.size() != 2) {
                err << "error: --code names the whole puzzle; give no other option with it\n";
                return std::nullopt;
            }
            std::optional<analysis::PuzzleCode> code = analysis::parsePuzzleCode(value);
            if (!code)
                err << "error: " << printable(value) << " is not a puzzle code (like 15x15-2c-medium-7F3K9Q)\n";
            return code;
        }
        if (name == "--size") {
            const std::size_t x = value.find('x');
            width = x == std::string::npos ? -1 : smallNumber(value.substr(0, x));
            height = x == std::string::npos ? -1 : smallNumber(value.substr(x + 1));
            if (width < analysis::MinRandomPuzzleSize || width > MaxPuzzleSize || height < analysis::MinRandomPuzzleSize
                || height > MaxPuzzleSize) {
                err << "error: --size takes WxH, each 5..50\n";
                return std::nullopt;
            }
        } else if (name == "--colors") {
            colors = smallNumber(value);
            if (colors < 2 || colors > 8) {
                err << "error: --colors takes 2..8, white included (2 is black and white)\n";
                return std::nullopt;
            }
        } else if (name == "--grade") {
            grade = analysis::gradeFromName(value);
            if (grade == analysis::Difficulty::Unknown) {
                err << "error: --grade takes easy, medium or hard\n";
                return std::nullopt;
            }
        } else {
            err << "error: unknown option " << printable(name) << '\n';
            return std::nullopt;
        }
    }
    const auto now = std::chrono::system_clock::now().time_since_epoch().count();
    return analysis::newPuzzleCode(width, height, colors, grade, static_cast<std::uint64_t>(now));
}

} // namespace

int runGenerate(const Arguments& args, std::ostream& out, std::ostream& err)
{
    if (args.empty() || args.size() % 2 == 0) {
        err << GenerateUsage;
        return 2;
    }
    const std::string& path = args.back();
    const bool ppm = endsWith(path, ".ppm");
    if (!ppm && !endsWith(path, ".pbm")) {
        err << GenerateUsage;
        return 2;
    }
    const std::optional<analysis::PuzzleCode> code = codeFromOptions(Arguments(args.begin(), args.end() - 1), err);
    if (!code)
        return 2;
    if (!ppm && code->colors > 2) {
        err << "error: " << printable(path) << ": a puzzle in " << code->colors
            << " colours is saved as .ppm, not .pbm\n";
        return 2;
    }
    analysis::GeneratedPuzzle made = analysis::generateRandomPuzzle(*code);
    if (!made.ok) {
        err << "error: no puzzle of " << made.code << " found in " << made.attempts << " attempts\n";
        return 1;
    }
    const SaveResult saved = ppm ? savePpm(made.picture, path) : savePbm(made.picture, path);
    if (!saved.ok) {
        reportFailedSave(path, saved, err);
        return 1;
    }
    out << made.code << '\n';
    return 0;
}

} // namespace gw::cli
