#pragma once
// A game in progress, kept between runs: the marks, the crossed-off clues
// and the play time of a puzzle, stored in a folder of the user's settings
// under a key made from the puzzle file's contents (a moved copy resumes; a
// changed puzzle starts fresh).
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "PlayRules.h"

namespace gw {

struct PlayProgress {
    int width = 0;                   // 1..50
    int height = 0;                  // 1..50
    std::vector<std::uint8_t> marks; // width x height marks (0..8), row by row
    std::vector<ClueRef> crossed;
    std::int64_t elapsedMs = 0;
    bool operator==(const PlayProgress& other) const
    {
        return width == other.width && height == other.height && marks == other.marks && crossed == other.crossed
               && elapsedMs == other.elapsedMs;
    }
};

// The key of a puzzle file: 16 hexadecimal digits of a 64-bit FNV-1a hash of
// its bytes.
std::string progressKey(const std::string& fileBytes);

// The progress as the text kept in the store, and back. Reading returns
// nothing for text that is not a complete, valid progress (wrong header,
// sizes beyond 1..50, marks beyond 8, clues beyond the lines).
std::string progressText(const PlayProgress& progress);
std::optional<PlayProgress> readProgressText(const std::string& text);

// The progress files of one folder, one a puzzle, at most MaxPuzzles of
// them: saving drops the least recently saved beyond that.
class ProgressStore {
public:
    static constexpr std::size_t MaxPuzzles = 200;

    // `folder` is created when a progress is first saved.
    explicit ProgressStore(std::string folder) : m_folder(std::move(folder)) { }

    std::optional<PlayProgress> load(const std::string& key) const;
    // Writes the progress atomically (a killed program leaves the previous
    // file whole). Returns false when it could not be written.
    bool save(const std::string& key, const PlayProgress& progress);
    // Forgets the progress of `key` (a reset).
    void forget(const std::string& key);

private:
    std::string path(const std::string& key) const;
    void dropOldest();
    std::string m_folder;
};

} // namespace gw
