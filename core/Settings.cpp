#include "Settings.h"

#include <sys/stat.h>

#include <cerrno>

#include "AtomicFile.h"
#include "Paths.h"
#include "RegularFile.h"

namespace gw {

namespace {

// At most `maxBytes` of folder + name, or else of defaultsFolder + name while
// `folder` holds no such entry. `found` tells whether an entry existed in the
// folder read; nothing is returned when none could be read.
std::optional<std::string> readSettingsFile(const std::string& folder, const std::string& defaultsFolder,
                                            const char* name, std::size_t maxBytes, bool& found)
{
    int error = 0;
    std::optional<std::string> bytes = readRegularFile(folder + name, maxBytes, &error);
    if (!bytes && meansNoFile(error) && !defaultsFolder.empty() && defaultsFolder != folder)
        bytes = readRegularFile(defaultsFolder + name, maxBytes, &error);
    found = bytes || !meansNoFile(error);
    return bytes;
}

bool fileIsMissing(const std::string& path)
{
    struct stat info { };
    return ::lstat(path.c_str(), &info) != 0 && meansNoFile(errno);
}

std::string upperCase(std::string text)
{
    for (char& c : text) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

} // namespace

bool fileExistsOnDisk(const std::string& path)
{
    struct stat info { };
    return ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

std::optional<Language> readLanguageFile(const std::string& folder, const std::string& defaultsFolder)
{
    bool found = false;
    const std::optional<std::string> bytes = readSettingsFile(folder, defaultsFolder, LanguageFileName, 1, found);
    if (!found)
        return std::nullopt;
    return !bytes || bytes->empty() ? Language::English : languageFromByte(static_cast<std::uint8_t>((*bytes)[0]));
}

bool writeLanguageFile(const std::string& folder, Language language)
{
    return writeFileAtomically(folder + LanguageFileName, std::string(1, static_cast<char>(languageByte(language))));
}

RecentEntries parseRecentFile(const std::string& bytes)
{
    RecentEntries entries;
    std::size_t at = 0;
    for (std::string& entry : entries) {
        if (at >= bytes.size())
            break;
        const std::size_t length = static_cast<unsigned char>(bytes[at++]);
        if (bytes.size() - at < length)
            break; // the record is cut short
        std::string path = bytes.substr(at, length);
        if (path.find('\0') != std::string::npos)
            break; // no path holds a zero byte
        entry = std::move(path);
        at += length;
    }
    return entries;
}

std::string recentFileBytes(const RecentEntries& entries)
{
    std::string bytes;
    for (const std::string& entry : entries) {
        if (entry.size() > MaxRecentPathBytes) {
            bytes += '\0';
            continue;
        }
        bytes += static_cast<char>(entry.size());
        bytes += entry;
    }
    return bytes;
}

std::string recentCaption(int index, const std::string& path)
{
    std::string caption = "&" + std::to_string(index + 1) + " ";
    for (char c : puzzleNameFromPath(path)) {
        caption += c;
        if (c == '&')
            caption += '&';
    }
    return caption;
}

RecentList::RecentList(std::string folder, FileExists exists) : m_folder(std::move(folder)), m_exists(std::move(exists))
{ }

void RecentList::readFile(const std::string& defaultsFolder)
{
    m_entries = RecentEntries {};
    bool found = false;
    const std::optional<std::string> bytes =
        readSettingsFile(m_folder, defaultsFolder, RecentFileName, MaxRecentFileBytes, found);
    if (bytes)
        m_entries = parseRecentFile(*bytes);
    // Only a file of the list's own folder is ever written.
    m_keepFile = !bytes && found && !fileIsMissing(m_folder + RecentFileName);
}

void RecentList::clean()
{
    for (int pass = 0; pass < 4; ++pass) {
        for (int i = 0; i < RecentCount; ++i) {
            const std::string& entry = m_entries[static_cast<std::size_t>(i)];
            bool remove = entry.empty() || !m_exists(entry);
            for (int j = 0; j < i && !remove; ++j)
                remove = upperCase(m_entries[static_cast<std::size_t>(j)]) == upperCase(entry);
            if (!remove)
                continue;
            for (int k = i; k + 1 < RecentCount; ++k)
                m_entries[static_cast<std::size_t>(k)] = std::move(m_entries[static_cast<std::size_t>(k + 1)]);
            m_entries[RecentCount - 1].clear();
        }
    }
}

bool RecentList::refreshRecent()
{
    clean();
    return !m_keepFile && writeFileAtomically(m_folder + RecentFileName, recentFileBytes(m_entries));
}

bool RecentList::addRecent(const std::string& path)
{
    if (path.size() > MaxRecentPathBytes)
        return refreshRecent();
    std::string oldLast = m_entries[RecentCount - 1];
    for (int k = RecentCount - 1; k > 0; --k)
        m_entries[static_cast<std::size_t>(k)] = std::move(m_entries[static_cast<std::size_t>(k - 1)]);
    m_entries[0] = path;
    bool written = refreshRecent();
    if (m_entries[RecentCount - 1].empty()) {
        m_entries[RecentCount - 1] = std::move(oldLast);
        written = refreshRecent();
    }
    return written;
}

} // namespace gw
