// gridwick-cli: its subcommands' output formats, errors and exit codes.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <sstream>

#include "core/PuzzleFile.h"
#include "core/Version.h"
#include "core/tests/TestSupport.h"
#include "tools/Commands.h"

namespace {

std::vector<std::string> split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);)
        parts.push_back(part);
    return parts;
}

class Cli : public ::testing::Test {
protected:
    // Runs a subcommand; its exit code, standard output and error.
    int run(const std::string& command, gw::cli::Arguments args)
    {
        args.insert(args.begin(), command);
        std::ostringstream o, e;
        const int code = gw::cli::runCommandLine(args, o, e);
        out = o.str();
        err = e.str();
        return code;
    }
    std::string save(const std::string& name, const std::vector<std::string>& rows, const std::string& title = "")
    {
        gw::Puzzle p = gwtest::puzzleFromRows(rows, true);
        p.isColor = name.find(".ppm") != std::string::npos;
        p.title = title;
        EXPECT_TRUE(gw::savePbm(p, dir.file(name)).ok);
        return dir.file(name);
    }
    gwtest::TempDir dir;
    std::string out, err;
};

const std::string TooLarge =
    "notice: This puzzle is too large. Its size will therefore be reduced, which may affect the quality.\n";

} // namespace

TEST_F(Cli, CluesPrintsSizeTitleRowsAndColumns)
{
    EXPECT_EQ(run("clues", {save("mix.ppm", {"RR.B", "....", "#R.B"}, "Mixed bag")}), 0);
    EXPECT_EQ(err, "");
    EXPECT_EQ(out, "size 4 3 color\ntitle Mixed bag\nrow 0 2: 2/2 1/3\nrow 1 0:\nrow 2 3: 1/0 1/2 1/3\n"
                   "col 0 2: 1/2 1/0\ncol 1 2: 1/2 1/2\ncol 2 0:\ncol 3 2: 1/3 1/3\n");
    EXPECT_EQ(run("clues", {save("one.pbm", {"#"})}), 0);
    EXPECT_EQ(out, "size 1 1 bw\ntitle\nrow 0 1: 1/0\ncol 0 1: 1/0\n");
}

// Every error line names the file and the real reason. Regression: a folder
// was "no such file", and a FIFO blocked the tool for ever.
TEST_F(Cli, CluesFailuresPrintAnErrorAndExitOne)
{
    const std::string f = dir.file("f.pbm");
    const std::string opening = "An error has occured while opening this file.";
    const std::pair<std::string, std::string> cases[] = {
        // file contents (empty: no file; "/": a folder; "|": a FIFO), standard error
        {"", "error: " + f + ": No such file or directory\n"},
        {"/", "error: " + f + ": Is a directory\n"},
        {"|", "error: " + f + ": " + opening + " (not a regular file)\n"},
        {"GIF89a",
         "error: " + f + ": This is not a valid PBM- or PPM-file. (it does not start with P1, P3, P4 or P6)\n"},
        {"P4 8 8\n\xff", "error: " + f + ": " + opening + " (the data ends early)\n"},
        {"P4 80 8\n\xff", TooLarge + "error: " + f + ": " + opening + " (the data ends early)\n"}}; // notices first
    alarm(60); // a blocked open() ends the test
    for (const auto& [data, expected] : cases) {
        std::filesystem::remove_all(f);
        if (data == "/")
            std::filesystem::create_directory(f);
        else if (data == "|")
            ASSERT_EQ(mkfifo(f.c_str(), 0600), 0);
        else if (!data.empty())
            gwtest::writeFile(f, data);
        EXPECT_EQ(run("clues", {f}), 1) << data;
        EXPECT_EQ(out, "");
        EXPECT_EQ(err, expected);
    }
    alarm(0);
}

TEST_F(Cli, ConvertWritesAsTheMaker)
{
    gwtest::writeFile(dir.file("in.pbm"), "P1\n# Puzzle Title: Heart\n3 2\n1 0 1\n0 1 0\n");
    gwtest::writeFile(dir.file("in.ppm"), "P3 2 1 1  1 0 0  0 1 1\n");
    EXPECT_EQ(run("convert", {dir.file("in.pbm"), dir.file("out.pbm")}), 0);
    EXPECT_EQ(err, "");
    EXPECT_EQ(gwtest::readFile(dir.file("out.pbm")), "P4\r\n# Puzzle Title: Heart\r\n3 2\r\xa0\x40");
    EXPECT_EQ(run("convert", {dir.file("in.ppm"), dir.file("out.pbm")}), 0); // colour stays colour
    EXPECT_EQ(gwtest::readFile(dir.file("out.pbm")),
              "P6\r\n# Made with Gridwick Puzzle Maker\r\n2 1\r\n1\r" + std::string("\1\0\0\0\1\1", 6));

    std::filesystem::remove(dir.file("out.pbm"));
    EXPECT_EQ(run("convert", {dir.file("missing.pbm"), dir.file("out.pbm")}), 1);
    EXPECT_EQ(err, "error: " + dir.file("missing.pbm") + ": No such file or directory\n");
    EXPECT_EQ(run("convert", {dir.file("in.pbm"), dir.file("no/folder/out.pbm")}), 1);
    EXPECT_EQ(err, "error: " + dir.file("no/folder/out.pbm")
                       + ": An error has occured while saving this file. (cannot create a temporary file in "
                       + dir.file("no/folder/") + ": No such file or directory)\n");
    EXPECT_EQ(dir.names().size(), 2u); // nothing written
}

TEST_F(Cli, ExportAndImportClueFilesByExtension)
{
    const std::string heart = save("heart.pbm", {"#.#", ".#."}, "Heart");
    EXPECT_EQ(run("export", {heart, dir.file("heart.non")}), 0);
    EXPECT_EQ(gwtest::readFile(dir.file("heart.non")),
              "title \"Heart\"\nwidth 3\nheight 2\n\nrows\n1,1\n1\n\ncolumns\n1\n1\n1\n\ngoal \"101010\"\n");
    EXPECT_EQ(run("export", {heart, dir.file("heart.xml")}), 0);
    EXPECT_EQ(run("import", {dir.file("heart.xml"), dir.file("back.pbm")}), 0);
    EXPECT_EQ(err, "");
    EXPECT_EQ(gwtest::readFile(dir.file("back.pbm")), gwtest::readFile(heart));

    const std::string mix = save("mix.ppm", {"R#"});
    EXPECT_EQ(run("export", {mix, dir.file("mix.non")}), 1);
    EXPECT_EQ(err, "error: " + dir.file("mix.non")
                       + ": A .non file holds black-and-white puzzles only. Export this color puzzle as webpbn XML. "
                         "(a .non file holds black-and-white puzzles only)\n");
    EXPECT_EQ(run("export", {mix, dir.file("mix.xml")}), 0);
    EXPECT_EQ(run("import", {dir.file("mix.xml"), dir.file("mix.pbm")}), 1); // colour needs .ppm
    EXPECT_EQ(err, "error: " + dir.file("mix.pbm") + ": a color puzzle is saved as .ppm\n");
    // Extensions in any letter case, as export already took them.
    EXPECT_EQ(run("import", {dir.file("mix.xml"), dir.file("BACK.PPM")}), 0);
    EXPECT_EQ(gwtest::readFile(dir.file("BACK.PPM")), gwtest::readFile(mix));
    EXPECT_EQ(run("import", {dir.file("heart.xml"), dir.file("back.Pbm")}), 0);

    gwtest::writeFile(dir.file("two.non"), "width 2\nheight 2\nrows\n1\n1\ncolumns\n1\n1\n");
    EXPECT_EQ(run("import", {dir.file("two.non"), dir.file("two.pbm")}), 1);
    EXPECT_EQ(err, "error: " + dir.file("two.non")
                       + ": These clues have more than one solution, so they do not give one picture.\n");
    EXPECT_EQ(run("import", {dir.path(), dir.file("two.pbm")}), 1); // the real reason, as for puzzles
    EXPECT_EQ(err, "error: " + dir.path() + ": An error has occured while opening this file. (Is a directory)\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("two.pbm")));
}

// check: one tab-separated line a file (seven fields, ten with --stats).
TEST_F(Cli, CheckPrintsOneLineAFile)
{
    const std::string cross = save("cross.pbm", {"#.#", ".#.", "#.#"});
    EXPECT_EQ(run("check", {cross}), 0);
    std::vector<std::string> fields = split(out, '\t');
    ASSERT_EQ(fields.size(), 7u);
    EXPECT_EQ(std::vector<std::string>(fields.begin(), fields.begin() + 6),
              (std::vector<std::string> {cross, "solved", "9/9", "0", "1", "1"}));
    EXPECT_GE(std::stod(fields[6]), 0.0);

    EXPECT_EQ(run("check", {"--stats", save("diagonal.pbm", {"#..", ".#.", "..."})}), 0);
    fields = split(out, '\t');
    ASSERT_EQ(fields.size(), 10u);
    EXPECT_EQ(fields[1] + " " + fields[2] + " " + fields[3], "stuck 5/9 0"); // row 2 and column 2 are white
    EXPECT_EQ(fields[7], "2"); // the largest list: two placements of a single cell in two
    EXPECT_GE(std::stod(fields[8]), 0.0);
    EXPECT_GT(std::stol(fields[9]), 0);

    EXPECT_EQ(run("check", {dir.file("missing.pbm"), cross}), 1); // the rest is still checked
    const std::vector<std::string> lines = split(out, '\n');
    ASSERT_EQ(lines.size(), 2u);
    fields = split(lines[0], '\t'); // the path, "error" and a reason
    EXPECT_EQ(fields.size() == 3 && !fields[2].empty() ? fields[0] + " " + fields[1] : out,
              dir.file("missing.pbm") + " error");
    EXPECT_EQ(split(lines[1], '\t')[1], "solved");
}

TEST_F(Cli, CheckTraceReplaysToThePicture)
{
    const std::vector<std::string> rows {"##.", "#..", "..."};
    EXPECT_EQ(run("check", {"--trace", save("corner.pbm", rows)}), 0);
    const std::vector<std::string> lines = split(out, '\n');
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(split(lines[0], '\t')[1], "solved");
    EXPECT_EQ(lines[1].rfind("0,2,2 ", 0), 0u); // the empty row and column come first, row 2 before column 2
    std::vector<std::string> field(3, "???");
    for (const std::string& write : split(lines[1], ' ')) {
        const std::vector<std::string> xyv = split(write, ',');
        ASSERT_EQ(xyv.size(), 3u) << write;
        field.at(std::stoul(xyv[1])).at(std::stoul(xyv[0])) = xyv[2] == "1" ? '#' : xyv[2] == "2" ? '.' : '!';
    }
    EXPECT_EQ(field, rows);
}

// analyze: FILE LINE UNIQUE OPEN MS [GRADE], UNIQUE "-" unless asked for.
TEST_F(Cli, AnalyzePrintsOneLineAFile)
{
    const std::string cross = save("cross.pbm", {"#.#", ".#.", "#.#"});
    const std::string diagonal = save("diagonal.ppm", {"R.", ".R"});       // two solutions
    const std::string guess = save("guess.pbm", {".##.", "..##", "#..#"}); // unique, line logic stalls
    EXPECT_EQ(run("analyze", {cross, diagonal, guess}), 0);
    EXPECT_EQ(err, "");
    std::vector<std::string> lines = split(out, '\n');
    ASSERT_EQ(lines.size(), 3u);
    const std::vector<std::string> withoutSearch[] = {
        {cross, "yes", "-", "0"}, {diagonal, "no", "-", "4"}, {guess, "no", "-", "8"}};
    for (std::size_t i = 0; i < 3; ++i) {
        std::vector<std::string> fields = split(lines[i], '\t');
        ASSERT_EQ(fields.size(), 5u) << lines[i];
        EXPECT_GE(std::stod(fields[4]), 0.0);
        EXPECT_EQ(fields[4].size() - fields[4].find('.'), 4u) << fields[4]; // three decimals, as check's
        fields.pop_back();
        EXPECT_EQ(fields, withoutSearch[i]);
    }

    EXPECT_EQ(run("analyze", {"--unique", cross, diagonal, guess}), 0);
    lines = split(out, '\n');
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(split(lines[0], '\t')[2], "yes");
    EXPECT_EQ(split(lines[1], '\t')[2], "no");
    EXPECT_EQ(split(lines[2], '\t')[2], "yes");

    // --grade adds a column after the milliseconds and decides uniqueness too.
    EXPECT_EQ(run("analyze", {"--grade", cross, diagonal}), 0);
    lines = split(out, '\n');
    ASSERT_EQ(lines.size(), 2u);
    const std::vector<std::string> crossFields = split(lines[0], '\t'), diagonalFields = split(lines[1], '\t');
    ASSERT_EQ(crossFields.size(), 6u);
    ASSERT_EQ(diagonalFields.size(), 6u);
    EXPECT_EQ(crossFields[2] + " " + crossFields[5], "yes easy");
    EXPECT_EQ(diagonalFields[2] + " " + diagonalFields[5], "no ambiguous");

    EXPECT_EQ(run("analyze", {"--unique", dir.file("missing.pbm"), cross}), 1); // the rest is still read
    lines = split(out, '\n');
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].rfind(dir.file("missing.pbm") + "\terror\t", 0), 0u) << lines[0];
    EXPECT_EQ(split(lines[1], '\t')[2], "yes");
}

// Wrong usage: the problem and the subcommand's usage line on standard error,
// exit status 2, nothing run. Regression: "check --stat FILE" took the
// mistyped option for a file name and exited 1.
TEST_F(Cli, WrongUsageExitsTwoWithTheUsageLine)
{
    const std::string check = "usage: gridwick-cli check [--stats] [--trace] FILE...\n";
    const std::pair<gw::cli::Arguments, std::string> cases[] = {
        {{"check", "--stat", "heart.pbm"}, "gridwick-cli check: unknown option --stat\n" + check},
        {{"check", "--stats"}, "gridwick-cli check: missing FILE...\n" + check},
        {{"check", "-x\x1b", "a.pbm"}, "gridwick-cli check: unknown option -x\\x1b\n" + check},
        {{"analyze", "--unique=yes", "a.pbm"},
         "gridwick-cli analyze: option --unique takes no value\nusage: gridwick-cli analyze [--unique] [--grade] "
         "FILE...\n"},
        {{"clues"}, "gridwick-cli clues: missing FILE\nusage: gridwick-cli clues FILE\n"},
        {{"clues", "a", "b"}, "gridwick-cli clues: too many arguments\nusage: gridwick-cli clues FILE\n"},
        {{"convert", "a"}, "gridwick-cli convert: missing OUT\nusage: gridwick-cli convert IN OUT\n"},
        {{"export", "a", "b.txt"},
         "gridwick-cli export: OUT ends in .xml or .non\nusage: gridwick-cli export IN OUT.xml|OUT.non\n"},
        {{"import", "a", "b.png"},
         "gridwick-cli import: OUT ends in .pbm or .ppm\nusage: gridwick-cli import IN OUT.pbm|OUT.ppm\n"},
        {{"frobnicate"}, "gridwick-cli: unknown command frobnicate\nusage:\n"},
        {{}, "usage:\n"},
    };
    for (const auto& [words, expected] : cases) {
        std::ostringstream o, e;
        EXPECT_EQ(gw::cli::runCommandLine(words, o, e), 2) << expected;
        EXPECT_EQ(o.str(), "");
        EXPECT_EQ(e.str().substr(0, expected.size()), expected);
    }
}

// Options stand anywhere among the operands; after "--" every word is an
// operand; a subcommand's --help is its usage line.
TEST_F(Cli, OptionsAnywhereOperandsAfterDoubleDash)
{
    const std::string cross = save("cross.pbm", {"#.#", ".#.", "#.#"});
    EXPECT_EQ(run("check", {cross, "--stats"}), 0);
    EXPECT_EQ(split(out, '\t').size(), 10u);
    EXPECT_EQ(run("clues", {"--", "-odd.pbm"}), 1);
    EXPECT_EQ(err, "error: -odd.pbm: No such file or directory\n");
    EXPECT_EQ(run("analyze", {"--help"}), 0);
    EXPECT_EQ(out, "usage: gridwick-cli analyze [--unique] [--grade] FILE...\n");
}

TEST_F(Cli, FixPrintsTheChangedCellsAndWritesThePicture)
{
    const std::string diagonal = save("diagonal.pbm", {"#.", ".#"});
    const std::string fixed = dir.file("fixed.pbm");
    EXPECT_EQ(run("fix", {diagonal, fixed}), 0);
    const std::vector<std::string> lines = split(out, '\n');
    ASSERT_EQ(lines.size(), 1u);
    const std::vector<std::string> cell = split(lines[0], ' ');
    ASSERT_EQ(cell.size(), 3u) << lines[0];
    EXPECT_EQ(run("analyze", {"--unique", fixed}), 0);
    EXPECT_EQ(split(out, '\t')[2], "yes");

    EXPECT_EQ(run("fix", {fixed, dir.file("again.pbm")}), 0); // already unique: saved unchanged
    EXPECT_EQ(out, "");
    EXPECT_NE(err.find("already unique"), std::string::npos);
    EXPECT_EQ(run("fix", {"--line", fixed}), 2);
    EXPECT_EQ(run("fix", {dir.file("missing.pbm"), fixed}), 1);
}

// Regression: titles and names reached the terminal raw, escape sequences
// and all. Control characters, C1 controls, invisible format characters and
// bytes that are not UTF-8 are escaped; a backslash is doubled so that the escapes cannot be faked.
TEST(Printable, EscapesWhatATerminalWouldObey)
{
    const std::pair<std::string, std::string> cases[] = {
        {"Cat & Dog", "Cat & Dog"},
        {"\x1b]0;owned\x07", "\\x1b]0;owned\\x07"},
        {"a\tb\nc\rd", "a\\tb\\nc\\rd"},
        {"C:\\x1b", "C:\\\\x1b"},
        {"caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x90\x88", "caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x90\x88"}, // é € 🐈 stay
        {"caf\xe9", "caf\\xe9"},                                                                    // Latin-1
        {"\xc2\x9b"
         "31m",
         "\\xc2\\x9b"
         "31m"},                                                        // C1 CSI
        {"\x7f\xc0\xaf\xed\xa0\x80", "\\x7f\\xc0\\xaf\\xed\\xa0\\x80"}, // DEL, overlong, surrogate
        {"\xe2\x82", "\\xe2\\x82"},                                     // cut short
        {std::string("a\0b", 3), "a\\x00b"},
        // Regression: a right-to-left override made a listed name read backwards.
        {"cat\xe2\x80\xaegnp.pbm", "cat\\u202egnp.pbm"},
        {"a\xe2\x80\x8b\xef\xbb\xbf\xe2\x81\xa6"
         "b\xe2\x80\xa8",
         "a\\u200b\\ufeff\\u2066b\\u2028"},  // zero width, isolate
        {"\xf3\xa0\x80\x81", "\\U000e0001"}, // language tag
    };
    for (const auto& [text, shown] : cases)
        EXPECT_EQ(gw::cli::printable(text), shown) << shown;
}

TEST_F(Cli, OutputIsEscaped)
{
    const std::string name = "evil\x1b[2J\tname.pbm";
    save(name, {"#"}, "Title\x1b]0;x\x07");
    EXPECT_EQ(run("clues", {dir.file(name)}), 0);
    EXPECT_EQ(split(out, '\n').at(1), "title Title\\x1b]0;x\\x07");
    EXPECT_EQ(run("check", {dir.file(name)}), 0);
    EXPECT_EQ(split(out, '\t').at(0), dir.file("evil\\x1b[2J\\tname.pbm"));
    EXPECT_EQ(run("analyze", {dir.file("gone\n.pbm")}), 1);
    EXPECT_EQ(out, dir.file("gone\\n.pbm") + "\terror\tNo such file or directory\n");
}

// The installed program: dispatch and exit codes.
TEST(GridwickCli, DispatchesAndExits)
{
    const std::string cli = std::string(GRIDWICK_BIN_DIR) + "/gridwick-cli";
    const std::string heart = std::string(GRIDWICK_SOURCE_DIR) + "/samples/heart.pbm";
    auto status = [](const std::string& command) {
        const int raw = std::system((command + " >/dev/null 2>&1").c_str());
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    };
    EXPECT_EQ(status(cli + " clues '" + heart + "'"), 0);
    EXPECT_EQ(status(cli + " clues /no/such/file.pbm"), 1);
    EXPECT_EQ(status(cli), 2);
    EXPECT_EQ(status(cli + " frobnicate"), 2);
    EXPECT_EQ(status(cli + " check --stat '" + heart + "' 2>&1 | grep -qx 'usage: gridwick-cli check.*'"), 0);
    EXPECT_EQ(status(cli + " check --stat '" + heart + "'"), 2);
    EXPECT_EQ(status(cli + " analyze --unique '" + heart + "' | grep -q 'yes\tyes\t0\t'"), 0);
    EXPECT_EQ(status(cli + " clues '" + heart + "' | grep -qx 'size 7 6 bw'"), 0);
    // --help and --version answer on standard output, with exit status 0.
    EXPECT_EQ(status(cli + " --help | grep -qx '  gridwick-cli clues FILE'"), 0);
    EXPECT_EQ(status(cli + " -h 2>&1 >/dev/null | grep -q ."), 1); // nothing on standard error
    EXPECT_EQ(status(cli + " --version | grep -qxF 'gridwick-cli (Gridwick) " + gw::gridwickVersion() + "'"), 0);
    EXPECT_EQ(status(cli + " -v | grep -qxF 'gridwick-cli (Gridwick) " + gw::gridwickVersion() + "'"), 0);
}

// Regression: a file-size limit ended the program half-way through a save
// (exit 153, no error line, the temporary file left behind).
TEST(GridwickCli, FileSizeLimitIsAnOrdinarySaveError)
{
    gwtest::TempDir dir;
    const std::string cli = std::string(GRIDWICK_BIN_DIR) + "/gridwick-cli";
    const std::string heart = std::string(GRIDWICK_SOURCE_DIR) + "/samples/heart.pbm";
    const std::string out = dir.file("out.pbm");
    gwtest::writeFile(out, "old");
    const std::string outcome = gwtest::inChildWithFileSizeLimit(
        8,
        [&] {
            // The program's own messages come through a pipe, which no file-size limit holds.
            FILE* program = popen((cli + " convert '" + heart + "' '" + out + "' 2>&1").c_str(), "r");
            std::string text;
            char buffer[512];
            for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, program)) > 0;)
                text.append(buffer, n);
            const int status = pclose(program);
            return (WIFEXITED(status) ? std::to_string(WEXITSTATUS(status)) : "killed") + " " + text;
        },
        false);
    EXPECT_EQ(outcome, "1 error: " + out + ": An error has occured while saving this file. (cannot write " + out
                           + ": File too large)\n");
    EXPECT_EQ(gwtest::readFile(out), "old");
    EXPECT_EQ(dir.names(), std::vector<std::string> {"out.pbm"});
}

// One code writes the same bytes every time; the code is the file's title.
TEST_F(Cli, GenerateWritesTheSameBytesForOneCode)
{
    for (const std::string code : {"12x9-2c-easy-7F3K9Q", "10x14-5c-hard-000042"}) {
        const std::string extension = code.find("-2c-") != std::string::npos ? ".pbm" : ".ppm";
        const std::string first = dir.file("first" + extension), second = dir.file("second" + extension);
        ASSERT_EQ(run("generate", {"--code", code, first}), 0) << err;
        EXPECT_EQ(out, code + "\n");
        ASSERT_EQ(run("generate", {"--code", code, second}), 0) << err;
        EXPECT_EQ(gwtest::readFile(first), gwtest::readFile(second));
        gw::Puzzle read;
        ASSERT_TRUE(gw::readPuzzleFile(read, first, gw::ReaderVariant::Maker).loaded());
        EXPECT_EQ(read.title, code);
    }
}

TEST_F(Cli, GenerateWithoutCodeMakesOneFromTheOptions)
{
    ASSERT_EQ(run("generate", {"--size", "7x11", "--grade", "easy", "--colors", "3", dir.file("new.ppm")}), 0) << err;
    EXPECT_EQ(out.substr(0, 13), "7x11-3c-easy-");
    EXPECT_EQ(out.size(), 20u); // the code, six seed characters and a line break
}

TEST_F(Cli, GenerateRejectsBadOptions)
{
    const std::pair<gw::cli::Arguments, std::string> cases[] = {
        {{"--colors", "4", "x.pbm"}, "error: x.pbm: a puzzle in 4 colours is saved as .ppm, not .pbm\n"},
        {{"--code", "15x15-2c-medium-7F3K9", "x.pbm"},
         "error: 15x15-2c-medium-7F3K9 is not a puzzle code (like 15x15-2c-medium-7F3K9Q)\n"},
        {{"--code", "15x15-2c-medium-7F3K9Q", "--grade", "hard", "x.pbm"},
         "error: --code names the whole puzzle; give no other option with it\n"},
        {{"--size", "4x9", "x.pbm"}, "error: --size takes WxH, each 5..50\n"},
        {{"--colors", "9", "x.ppm"}, "error: --colors takes 2..8, white included (2 is black and white)\n"},
        {{"--grade", "search", "x.pbm"}, "error: --grade takes easy, medium or hard\n"},
        {{"--shape", "round", "x.pbm"}, ""}, // unknown option: the usage line
        {{"--size", "10x10"}, ""},           // no output file: the usage line
        {{"x.png"}, ""},
    };
    for (const auto& [args, expected] : cases) {
        EXPECT_EQ(run("generate", args), 2) << args.front();
        if (expected.empty())
            EXPECT_NE(err.find("usage: gridwick-cli generate"), std::string::npos) << err;
        else
            EXPECT_EQ(err, expected);
        EXPECT_EQ(out, "");
    }
}
