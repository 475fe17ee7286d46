#include "tools/PictureCommand.h"

#include <optional>
#include <ostream>

#include "core/Paths.h"
#include "editor/ImageImport.h"
#include "platform/FilePaths.h"

namespace gw::cli {

namespace {

// A whole number in min..max spelled by all of `text`, or -1.
int numberIn(const std::string& text, int min, int max)
{
    if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != std::string::npos)
        return -1;
    const int value = std::stoi(text);
    return value >= min && value <= max ? value : -1;
}

// The choices the options ask for; nothing (with the problem in `problem`)
// on a bad option.
std::optional<editor::PictureChoices> choicesFromOptions(const Invocation& args, std::string& problem)
{
    editor::PictureChoices choices;
    if (args.has("--colors") && args.has("--threshold")) {
        problem = "give --colors or --threshold, not both";
        return std::nullopt;
    }
    for (const auto& [name, value] : args.options) {
        if (name == "--size") {
            const std::size_t x = value.find('x');
            const int width = x == std::string::npos ? -1 : numberIn(value.substr(0, x), 1, MaxPuzzleSize);
            const int height = x == std::string::npos ? -1 : numberIn(value.substr(x + 1), 1, MaxPuzzleSize);
            if (width < 0 || height < 0) {
                problem = "--size takes WxH, each 1..50";
                return std::nullopt;
            }
            choices.size = QSize(width, height);
        } else if (name == "--colors") {
            choices.colors = numberIn(value, 2, 8);
            if (choices.colors < 0) {
                problem = "--colors takes 2..8, white included (2 is black and white)";
                return std::nullopt;
            }
        } else if (name == "--threshold") {
            choices.colors = 2;
            choices.threshold = numberIn(value, 1, 255);
            if (choices.threshold < 0) {
                problem = "--threshold takes 1..255";
                return std::nullopt;
            }
        } else if (name == "--background") {
            const std::string hex = !value.empty() && value.front() == '#' ? value.substr(1) : value;
            if (hex.size() != 6 || hex.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
                problem = "--background takes a colour as RRGGBB in hex";
                return std::nullopt;
            }
            choices.background = static_cast<QRgb>(0xff000000u | std::stoul(hex, nullptr, 16));
        } else if (name == "--invert") {
            choices.invert = true;
        }
    }
    return choices;
}

} // namespace

int runPicture(const Invocation& args, std::ostream& /*out*/, std::ostream& err)
{
    const std::string& in = args.operands[0];
    const std::string& out = args.operands[1];
    if (!(hasExtension(out, ".pbm") || hasExtension(out, ".ppm")))
        return wrongUsage(args, "OUT ends in .pbm or .ppm", err);
    std::string problem;
    const std::optional<editor::PictureChoices> choices = choicesFromOptions(args, problem);
    if (!choices)
        return wrongUsage(args, problem, err);
    Puzzle puzzle;
    const editor::ImportResult result =
        editor::importImage(puzzle, platform::pathFromBytes(in), Language::English, *choices);
    if (result.status == editor::ImportStatus::NoFile) {
        err << "error: " << printable(in) << ": no such picture\n";
        return 1;
    }
    for (std::size_t i = 0; i < result.messages.size(); ++i) {
        const std::string text = printable(result.messages[i].text);
        if (result.status == editor::ImportStatus::Imported)
            err << "notice: " << text << '\n';
        else
            err << "error: " << printable(in) << ": " << text << '\n';
    }
    if (result.status != editor::ImportStatus::Imported)
        return 1;
    return savePicture(puzzle, out, err);
}

} // namespace gw::cli
