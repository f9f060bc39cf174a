#include "WindowSizeFile.h"

#include "Archive.h"
#include "FileSignatures.h"
#include "engine/FileNames.h"

namespace brinox {

std::int32_t ReadWindowSizeSetting(const std::string& appDirectory) {
    Archive archive;
    if (!archive.OpenForLoad(appDirectory + std::string(files::kWindowSize))) {
        return kWindowSizeAutomatic;
    }
    std::int32_t setting = kWindowSizeAutomatic;
    if (!CheckSignature(archive, signatures::kWindowSize) || !archive.ReadInt(setting)) {
        return kWindowSizeAutomatic;
    }
    if (setting != kWindowSizeNormal && setting != kWindowSizeBig) {
        return kWindowSizeAutomatic;
    }
    return setting;
}

bool WriteWindowSizeSetting(const std::string& appDirectory, std::int32_t setting) {
    Archive archive;
    if (!archive.OpenForStore(appDirectory + std::string(files::kWindowSize))) {
        return false;
    }
    archive.WriteString(signatures::kWindowSize);
    archive.WriteInt(setting);
    return archive.Close();
}

} // namespace brinox
