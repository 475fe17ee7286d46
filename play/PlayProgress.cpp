#include "PlayProgress.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "core/AtomicFile.h"

namespace gw {

namespace fs = std::filesystem;

namespace {
constexpr const char* Header = "gridwick-progress 1";
constexpr const char* Extension = ".progress";
} // namespace

std::string progressKey(const std::string& fileBytes)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : fileBytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    static const char digits[] = "0123456789abcdef";
    std::string key(16, '0');
    for (std::size_t i = 0; i < 16; ++i)
        key[15 - i] = digits[(hash >> (4 * i)) & 0xfu];
    return key;
}

std::string progressText(const PlayProgress& progress)
{
    std::ostringstream out;
    out << Header << "\nsize " << progress.width << ' ' << progress.height << "\ntime " << progress.elapsedMs
        << "\nmarks\n";
    for (int y = 0; y < progress.height; ++y) {
        for (int x = 0; x < progress.width; ++x)
            out << static_cast<char>('0' + progress.marks[static_cast<std::size_t>(y * progress.width + x)]);
        out << '\n';
    }
    out << "crossed " << progress.crossed.size() << '\n';
    for (const ClueRef& clue : progress.crossed)
        out << (clue.isRow ? 'r' : 'c') << ' ' << clue.line << ' ' << clue.k << '\n';
    return out.str();
}

std::optional<PlayProgress> readProgressText(const std::string& text)
{
    std::istringstream in(text);
    std::string line, word;
    PlayProgress p;
    if (!std::getline(in, line) || line != Header)
        return std::nullopt;
    if (!(in >> word) || word != "size" || !(in >> p.width >> p.height) || p.width < 1 || p.width > MaxPuzzleSize
        || p.height < 1 || p.height > MaxPuzzleSize)
        return std::nullopt;
    if (!(in >> word) || word != "time" || !(in >> p.elapsedMs) || p.elapsedMs < 0)
        return std::nullopt;
    if (!(in >> word) || word != "marks")
        return std::nullopt;
    for (int y = 0; y < p.height; ++y) {
        if (!(in >> line) || line.size() != static_cast<std::size_t>(p.width))
            return std::nullopt;
        for (const char c : line) {
            if (c < '0' || c > '8')
                return std::nullopt;
            p.marks.push_back(static_cast<std::uint8_t>(c - '0'));
        }
    }
    std::size_t count = 0;
    if (!(in >> word) || word != "crossed" || !(in >> count) || count > 2u * CellCount)
        return std::nullopt;
    for (std::size_t i = 0; i < count; ++i) {
        ClueRef clue;
        if (!(in >> word >> clue.line >> clue.k) || (word != "r" && word != "c"))
            return std::nullopt;
        clue.isRow = word == "r";
        const int lines = clue.isRow ? p.height : p.width;
        const int cells = clue.isRow ? p.width : p.height;
        if (clue.line < 0 || clue.line >= lines || clue.k < 0 || clue.k >= cells)
            return std::nullopt;
        p.crossed.push_back(clue);
    }
    return p;
}

std::string ProgressStore::path(const std::string& key) const
{
    return (fs::path(m_folder) / (key + Extension)).string();
}

std::optional<PlayProgress> ProgressStore::load(const std::string& key) const
{
    std::ifstream file(path(key), std::ios::binary);
    if (!file)
        return std::nullopt;
    std::ostringstream text;
    text << file.rdbuf();
    return readProgressText(text.str());
}

bool ProgressStore::save(const std::string& key, const PlayProgress& progress)
{
    std::error_code error;
    fs::create_directories(m_folder, error);
    if (!writeFileAtomically(path(key), progressText(progress)))
        return false;
    dropOldest();
    return true;
}

void ProgressStore::forget(const std::string& key)
{
    std::error_code error;
    fs::remove(path(key), error);
}

void ProgressStore::dropOldest()
{
    std::error_code error;
    std::vector<std::pair<fs::file_time_type, fs::path>> files;
    for (const fs::directory_entry& entry : fs::directory_iterator(m_folder, error))
        if (entry.path().extension() == Extension)
            files.emplace_back(entry.last_write_time(error), entry.path());
    if (files.size() <= MaxPuzzles)
        return;
    std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    for (std::size_t i = MaxPuzzles; i < files.size(); ++i)
        fs::remove(files[i].second, error);
}

} // namespace gw
