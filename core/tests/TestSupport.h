#pragma once
// Helpers shared by the core tests: scratch folders, whole-file access and
// grids written as strings ('.' white, '#' black, R red, B blue, Y yellow,
// G green, M magenta, A aqua).
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "core/AtomicFile.h"
#include "core/Palette.h"
#include "core/Puzzle.h"

namespace gwtest {

inline constexpr const char* CellLetters = "#.RBYGMA";

// The palette index a letter stands for; any other character is white.
inline std::uint8_t cellFromChar(char c)
{
    const std::size_t i = std::string(CellLetters).find(c);
    return i == std::string::npos ? static_cast<std::uint8_t>(gw::White) : static_cast<std::uint8_t>(i);
}

// A puzzle whose size and cells are the given rows (all of one length).
inline gw::Puzzle puzzleFromRows(const std::vector<std::string>& rows, bool color = false)
{
    gw::Puzzle p;
    p.isColor = color;
    p.height = static_cast<std::int16_t>(rows.size());
    p.width = static_cast<std::int16_t>(rows[0].size());
    for (std::size_t y = 0; y < rows.size(); ++y)
        for (std::size_t x = 0; x < rows[y].size(); ++x)
            p.cell(static_cast<int>(x), static_cast<int>(y)) = cellFromChar(rows[y][x]);
    return p;
}

// Rows written on one line, separated by '/': "#.#/###".
inline std::vector<std::string> splitRows(const std::string& text)
{
    std::vector<std::string> rows(1);
    for (char c : text)
        if (c == '/')
            rows.emplace_back();
        else
            rows.back().push_back(c);
    return rows;
}

// The rows in use, as strings.
inline std::vector<std::string> rowsOf(const gw::Puzzle& p)
{
    std::vector<std::string> rows(static_cast<std::size_t>(p.height));
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            rows[static_cast<std::size_t>(y)] += p.cell(x, y) < gw::PaletteSize ? CellLetters[p.cell(x, y)] : '?';
    return rows;
}

// A fresh, empty folder below the system's temporary folder, removed again at
// the end of the test. path() ends with a separator.
class TempDir {
public:
    TempDir()
        : m_dir(std::filesystem::temp_directory_path() / ("gridwick-test-" + std::to_string(std::random_device()())))
    {
        std::filesystem::create_directories(m_dir);
    }
    ~TempDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_dir, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string path() const { return m_dir.string() + "/"; }
    std::string file(const std::string& name) const { return path() + name; }
    std::vector<std::string> names() const
    {
        std::vector<std::string> result;
        for (const auto& entry : std::filesystem::directory_iterator(m_dir))
            result.push_back(entry.path().filename().string());
        return result;
    }

private:
    std::filesystem::path m_dir;
};

// Runs `action` in a child process whose files may grow to at most `bytes`,
// as a stand-in for a full disk that needs no special file system. The child
// starts with SIGXFSZ's default action, as a program does, and calls
// gw::ignoreFileSizeSignal as every program's main does when `asPrograms`;
// writing past the limit then fails with EFBIG ("File too large"). Returns
// the text `action` returns, or "killed by signal N" when the child did not
// come back. Nothing `action` changes in memory is seen by the caller.
template <typename Action> std::string inChildWithFileSizeLimit(rlim_t bytes, Action action, bool asPrograms = true)
{
    int channel[2];
    if (pipe(channel) != 0)
        return "no pipe";
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        signal(SIGXFSZ, SIG_DFL);
        if (asPrograms)
            gw::ignoreFileSizeSignal();
        rlimit small {};
        getrlimit(RLIMIT_FSIZE, &small);
        small.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &small);
        const std::string outcome = action();
        ssize_t written = write(channel[1], outcome.data(), outcome.size());
        _exit(written == static_cast<ssize_t>(outcome.size()) ? 0 : 1);
    }
    close(channel[1]);
    std::string outcome;
    char buffer[4096];
    for (ssize_t n; (n = read(channel[0], buffer, sizeof buffer)) > 0;)
        outcome.append(buffer, static_cast<std::size_t>(n));
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (WIFSIGNALED(status))
        return "killed by signal " + std::to_string(WTERMSIG(status));
    return outcome;
}

// `s` written `times` times in a row (a loop: tests repeat up to 100,000 times).
inline std::string repeat(const std::string& s, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i)
        out += s;
    return out;
}

inline void writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

inline std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace gwtest
