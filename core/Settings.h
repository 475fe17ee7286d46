#pragma once
// The settings files kept in the program's folder and shared by the maker and
// the player when both sit in one folder: "lang.ini" (the language, one byte)
// and "recent.ini" (the five most recently used puzzle files). Pure file and
// list logic; the menus that show the recent list belong to the windows.
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "lang/Language.h"

namespace gw {

inline constexpr const char* LanguageFileName = "lang.ini";
inline constexpr const char* RecentFileName = "recent.ini";

// Tells whether a file of that name exists. Injectable so that tests need not
// create the files a recent list names.
using FileExists = std::function<bool(const std::string& path)>;

// True when `path` (the file system's bytes) names an existing file or other
// non-folder entry, links followed.
bool fileExistsOnDisk(const std::string& path);

// The language stored in folder + "lang.ini": its first byte (any value;
// one without a language yields empty texts), the only byte read. An
// existing but empty file gives English, and so does one that exists but cannot be
// read (a folder, a FIFO or device, no permission): that is no first start.
// When `folder` holds no "lang.ini" at all, the one in `defaultsFolder` (the
// program's own folder, whose files are the defaults of a settings folder
// elsewhere) is read the same way. Nothing when neither exists: the first
// start.
std::optional<Language> readLanguageFile(const std::string& folder, const std::string& defaultsFolder = {});

// Replaces folder + "lang.ini" with the one byte of `language`. Returns false
// when the file could not be written (the old file is then untouched).
bool writeLanguageFile(const std::string& folder, Language language);

constexpr int RecentCount = 5;
// A record's length is one byte, so longer paths are never stored.
constexpr std::size_t MaxRecentPathBytes = 255;
// The most a "recent.ini" can hold that is read: five records.
constexpr std::size_t MaxRecentFileBytes = RecentCount * (1 + MaxRecentPathBytes);
// Index 0 is the most recent; an empty string is a free slot.
using RecentEntries = std::array<std::string, RecentCount>;

// The entries held by the bytes of a "recent.ini": five records, each a
// length byte L followed by L bytes of path (the file system's bytes). Reading stops at the first
// damage (a record cut short, or a path holding a zero byte); the records
// before it are kept and the rest of the list is empty. Bytes after the fifth
// record are ignored.
RecentEntries parseRecentFile(const std::string& bytes);

// The bytes of a "recent.ini" for `entries`: five records. An entry longer
// than 255 bytes is written as a free slot.
std::string recentFileBytes(const RecentEntries& entries);

// The caption of recent-file menu entry `index` (0..4) for `path`: "&" +
// (index + 1) + " " + the file name without folder and last extension, with
// every "&" of the name doubled so that it shows as itself ("&1 cat").
std::string recentCaption(int index, const std::string& path);

// The recent list of one program, stored in folder + "recent.ini".
class RecentList {
public:
    explicit RecentList(std::string folder, FileExists exists = fileExistsOnDisk);

    const RecentEntries& entries() const { return m_entries; }
    const std::string& entry(int index) const { return m_entries[static_cast<std::size_t>(index)]; }

    // Start-up: empties the list, then takes what "recent.ini" holds (see
    // parseRecentFile; at most MaxRecentFileBytes are read). When the folder
    // holds no "recent.ini" at all, the one in `defaultsFolder` is read (see
    // readLanguageFile). A file that is missing or cannot be read leaves the
    // list empty; a "recent.ini" of the list's own folder that exists but
    // cannot be read is then left alone: refreshRecent no longer writes it
    // (and says so by returning false) until readFile is called again. The
    // caller then calls refreshRecent, as after every change; it writes to
    // the list's own folder only.
    void readFile(const std::string& defaultsFolder = {});

    // Puts `path` at the head of the list and refreshes it. When the cleaning
    // freed the last slot, the entry that fell off the end comes back there
    // and the list is refreshed once more. A path over 255 bytes is not put in
    // the list (it could not be stored); the list is refreshed all the same.
    // Returns the result of the last file write.
    bool addRecent(const std::string& path);

    // Cleans the list and rewrites "recent.ini". The cleaning makes four
    // passes over the entries 0..4; entry i is removed when it is empty, when
    // no such file exists, or when an earlier entry equals it ignoring the
    // case of ASCII letters (compared in upper case). Removing an entry moves
    // the later ones up and frees the last slot; a pass goes on with the next
    // index. Returns false when the file could not be written.
    bool refreshRecent();

    // The cleaning alone, without writing the file.
    void clean();

private:
    std::string m_folder;
    FileExists m_exists;
    RecentEntries m_entries;
    bool m_keepFile = false; // the list's own file exists but could not be read
};

} // namespace gw
