// generate_puzzles: writes the benchmark set of puzzle files, for timing and
// comparing the computer test with `gridwick-cli check` (see bench/README.md).
//
//   generate_puzzles [--uniqueness] [--seed S] [--count N] FOLDER
//
// S defaults to 12 and N to 220 (the set bench_computer_test runs); with
// --uniqueness (first) the uniqueness set, S 21 and N 600. FOLDER is
// created when missing. Prints one line a file: its path and its title.
#include <filesystem>
#include <iostream>
#include <string>

#include "PuzzleGenerator.h"

namespace {

int usage()
{
    std::cerr << "usage: generate_puzzles [--uniqueness] [--seed S] [--count N] FOLDER\n";
    return 2;
}

bool parseNumber(const std::string& text, unsigned long long& value)
{
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    try {
        value = std::stoull(text);
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    unsigned long long seed = gw::BenchmarkSetSeed;
    unsigned long long count = gw::BenchmarkSetSize;
    std::string folder;
    bool uniquenessSet = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--uniqueness" && i == 1) {
            uniquenessSet = true;
            seed = gw::UniquenessSetSeed;
            count = gw::UniquenessSetSize;
        } else if ((arg == "--seed" || arg == "--count") && i + 1 < argc) {
            if (!parseNumber(argv[++i], arg == "--seed" ? seed : count))
                return usage();
        } else if (folder.empty() && arg.rfind("--", 0) != 0) {
            folder = arg;
        } else {
            return usage();
        }
    }
    if (folder.empty() || count > 100000)
        return usage();
    std::error_code failure;
    std::filesystem::create_directories(folder, failure);
    if (failure) {
        std::cerr << "generate_puzzles: " << folder << ": " << failure.message() << '\n';
        return 1;
    }
    const std::vector<gw::PuzzleRecipe> recipes = uniquenessSet ? gw::uniquenessRecipes(seed, static_cast<int>(count))
                                                                : gw::benchmarkRecipes(seed, static_cast<int>(count));
    std::string error;
    const std::vector<std::string> paths = gw::writePuzzleSet(recipes, folder, error);
    for (std::size_t i = 0; i < paths.size(); ++i)
        std::cout << paths[i] << '\t' << gw::recipeTitle(recipes[i]) << '\n';
    if (!error.empty()) {
        std::cerr << "generate_puzzles: " << error << '\n';
        return 1;
    }
    return 0;
}
