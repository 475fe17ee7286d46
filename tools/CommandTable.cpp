// gridwick-cli's subcommands, their options and operands in one table, and the
// one parser that checks every command line against it.
#include <algorithm>
#include <iostream>

#include "Commands.h"
#include "core/Version.h"

namespace gw::cli {

namespace {

struct Option {
    const char* name;  // "--stats"
    const char* value; // the value's name in the usage line ("N"); nullptr for a flag
};

struct Command {
    const char* name;
    std::vector<Option> options;
    // The operands as the usage line shows them, blank-separated: a word in
    // brackets may be left out, a word ending in "..." stands for one or more
    // ("FILE...", "[FILE...]" for none or more); the count of operands the
    // parser accepts follows from these words.
    const char* operands;
    RunFunction run; // nullptr: the program hands it over (AddedCommands)
};

// One line per subcommand.
const Command Commands[] = {
    {"clues", {}, "FILE", runClues},
    {"convert", {}, "IN OUT", runConvert},
    {"check", {{"--stats", nullptr}, {"--trace", nullptr}}, "FILE...", runCheck},
    {"analyze", {{"--unique", nullptr}, {"--grade", nullptr}}, "FILE...", runAnalyze},
    {"fix", {{"--line", nullptr}}, "IN OUT", runFix},
    {"export", {}, "IN OUT.xml|OUT.non", runExport},
    {"import", {}, "IN OUT.pbm|OUT.ppm", runImport},
    {"generate",
     {{"--size", "WxH"}, {"--colors", "N"}, {"--grade", "easy|medium|hard"}, {"--code", "CODE"}},
     "OUT.pbm|OUT.ppm",
     runGenerate},
    {"picture",
     {{"--size", "WxH"}, {"--colors", "N"}, {"--threshold", "T"}, {"--background", "RGB"}, {"--invert", nullptr}},
     "IN OUT.pbm|OUT.ppm",
     nullptr}, // PictureCommand.cpp, which links QtGui
};

const Command* findCommand(std::string_view name)
{
    for (const Command& command : Commands) {
        if (name == command.name)
            return &command;
    }
    return nullptr;
}

std::string usageLine(const Command& command)
{
    std::string line = std::string("gridwick-cli ") + command.name;
    for (const Option& option : command.options)
        line += std::string(" [") + option.name + (option.value ? std::string(" ") + option.value : "") + "]";
    return line + " " + command.operands;
}

void listUsage(std::ostream& out)
{
    out << "usage:\n";
    for (const Command& command : Commands)
        out << "  " << usageLine(command) << '\n';
}

std::vector<std::string> splitWords(const char* text)
{
    std::vector<std::string> result;
    std::string word;
    for (const char* c = text;; ++c) {
        if (*c == ' ' || *c == '\0') {
            if (!word.empty())
                result.push_back(word);
            word.clear();
            if (*c == '\0')
                return result;
        } else {
            word += *c;
        }
    }
}

bool optional(const std::string& word) { return word.size() > 1 && word.front() == '['; }
bool repeated(const std::string& word)
{
    const std::string bare = optional(word) ? word.substr(1, word.size() - 2) : word;
    return bare.size() > 3 && bare.compare(bare.size() - 3, 3, "...") == 0;
}

// What is wrong with `count` operands for `command`; empty when nothing is.
std::string operandProblem(const Command& command, std::size_t count)
{
    const std::vector<std::string> expected = splitWords(command.operands);
    std::size_t required = 0;
    bool unbounded = false;
    for (const std::string& word : expected) {
        required += optional(word) ? 0u : 1u;
        unbounded = unbounded || repeated(word);
    }
    if (count < required)
        return "missing " + expected[count];
    if (!unbounded && count > expected.size())
        return "too many arguments";
    return {};
}

int wrongUsage(const Command& command, const std::string& problem, std::ostream& err)
{
    err << "gridwick-cli " << command.name << ": " << printable(problem) << '\n'
        << "usage: " << usageLine(command) << '\n';
    return 2;
}

bool isOption(const std::string& word) { return word.size() > 1 && word.front() == '-'; }

// Checks `words` (what follows the subcommand's name) against `command`'s line
// in the table and runs it. Options may stand anywhere among the operands, as
// "--name VALUE" or "--name=VALUE" where they take a value; after "--" every
// word is an operand; "-h" or "--help" writes the subcommand's usage line.
int parseAndRun(const Command& command, const Arguments& words, std::ostream& out, std::ostream& err,
                const AddedCommands& added)
{
    Invocation invocation;
    invocation.command = command.name;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (optionsEnded || !isOption(word)) {
            invocation.operands.push_back(word);
            continue;
        }
        if (word == "--") {
            optionsEnded = true;
            continue;
        }
        if (word == "-h" || word == "--help") {
            out << "usage: " << usageLine(command) << '\n';
            return 0;
        }
        const std::size_t equals = word.find('=');
        const std::string name = word.substr(0, equals);
        const auto option = std::find_if(command.options.begin(), command.options.end(),
                                         [&](const Option& known) { return name == known.name; });
        if (option == command.options.end())
            return wrongUsage(command, "unknown option " + word, err);
        std::string value;
        if (!option->value) {
            if (equals != std::string::npos)
                return wrongUsage(command, "option " + name + " takes no value", err);
        } else if (equals != std::string::npos) {
            value = word.substr(equals + 1);
        } else if (i + 1 < words.size()) {
            value = words[++i];
        } else {
            return wrongUsage(command, "option " + name + " needs " + option->value, err);
        }
        invocation.options[name] = value;
    }
    const std::string problem = operandProblem(command, invocation.operands.size());
    if (!problem.empty())
        return wrongUsage(command, problem, err);
    if (command.run)
        return command.run(invocation, out, err);
    const auto run = added.find(command.name);
    if (run == added.end() || !run->second) {
        err << "gridwick-cli " << command.name << ": not in this build (it needs Qt)\n";
        return 1;
    }
    return run->second(invocation, out, err);
}

} // namespace

bool Invocation::has(std::string_view option) const { return options.find(option) != options.end(); }

int wrongUsage(const Invocation& invocation, const std::string& problem, std::ostream& err)
{
    return wrongUsage(*findCommand(invocation.command), problem, err);
}

int runCommandLine(const Arguments& words, std::ostream& out, std::ostream& err, const AddedCommands& added)
{
    if (words.empty()) {
        listUsage(err);
        return 2;
    }
    const std::string& name = words.front();
    if (name == "-h" || name == "--help") {
        out << "gridwick-cli: the Gridwick puzzle core on the command line, for scripts and checks.\n";
        listUsage(out);
        out << "  gridwick-cli --help | --version\n";
        return 0;
    }
    if (name == "-v" || name == "--version") {
        out << "gridwick-cli (Gridwick) " << gridwickVersion() << '\n';
        return 0;
    }
    if (const Command* command = findCommand(name))
        return parseAndRun(*command, Arguments(words.begin() + 1, words.end()), out, err, added);
    err << "gridwick-cli: unknown command " << printable(name) << '\n';
    listUsage(err);
    return 2;
}

} // namespace gw::cli
