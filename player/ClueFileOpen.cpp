#include "ClueFileOpen.h"

#include "core/ClueFiles.h"
#include "platform/FilePaths.h"
#include "platform/LocalText.h"
#include "solver/analysis/ClueImport.h"

namespace gw::player {

bool isClueFileName(const QString& path) { return clueFormatFromPath(platform::pathBytes(path)).has_value(); }

std::optional<Puzzle> importCluePuzzle(const QString& path, const Session& session, platform::Platform& platform)
{
    Puzzle puzzle;
    analysis::ClueImportResult result;
    {
        platform::BusyScope busy(platform.busy);
        result = analysis::importClueFile(puzzle, platform::pathBytes(path), session.language);
    }
    for (const Message& message : result.messages)
        platform.messages.show(QString::fromStdString(message.text), platform::displayText(message.title), message.icon,
                               platform::Buttons::Ok);
    if (!result.imported)
        return std::nullopt;
    return puzzle;
}

} // namespace gw::player
