#include <chrono>
#include <optional>
#include <ostream>

#include "Commands.h"
#include "core/Paths.h"
#include "core/PuzzleFile.h"
#include "solver/analysis/RandomPuzzle.h"

namespace gw::cli {

namespace {

// A whole number 1..99 spelled by all of `text`, or -1.
int smallNumber(const std::string& text)
{
    if (text.empty() || text.size() > 2 || text.find_first_not_of("0123456789") != std::string::npos)
        return -1;
    return std::stoi(text);
}

// The code the options ask for; nothing (with an error on `err`) on a bad option.
std::optional<analysis::PuzzleCode> codeFromOptions(const Invocation& args, std::ostream& err)
{
    int width = 15, height = 15, colors = 2;
    analysis::Difficulty grade = analysis::Difficulty::Medium;
    for (const auto& [name, value] : args.options) {
        if (name == "--code") {
            if (args.options.size() != 1) {
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
        }
    }
    const auto now = std::chrono::system_clock::now().time_since_epoch().count();
    return analysis::newPuzzleCode(width, height, colors, grade, static_cast<std::uint64_t>(now));
}

} // namespace

int runGenerate(const Invocation& args, std::ostream& out, std::ostream& err)
{
    const std::string& path = args.operands[0];
    const bool ppm = hasExtension(path, ".ppm");
    if (!ppm && !hasExtension(path, ".pbm"))
        return wrongUsage(args, "OUT ends in .pbm or .ppm", err);
    const std::optional<analysis::PuzzleCode> code = codeFromOptions(args, err);
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
    if (const int status = savePicture(made.picture, path, err))
        return status;
    out << made.code << '\n';
    return 0;
}

} // namespace gw::cli
