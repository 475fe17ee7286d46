#include "Paths.h"

namespace gw {

bool isPathSeparator(char c)
{
#ifdef _WIN32
    return c == '\\' || c == '/';
#else
    return c == '/';
#endif
}

std::string fileNamePart(std::string_view path)
{
    for (std::size_t i = path.size(); i > 0; --i) {
        if (isPathSeparator(path[i - 1]))
            return std::string(path.substr(i));
    }
    return std::string(path);
}

std::string withoutLastExtension(std::string_view name)
{
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos)
        return std::string(name);
    return std::string(name.substr(0, dot));
}

std::string puzzleNameFromPath(std::string_view path) { return withoutLastExtension(fileNamePart(path)); }

std::string withTrailingSeparator(std::string_view folder)
{
    std::string result(folder);
    if (!result.empty() && !isPathSeparator(result.back()))
        result += PathSeparator;
    return result;
}

} // namespace gw
