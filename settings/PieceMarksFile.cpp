#include "PieceMarksFile.h"

#include "Archive.h"
#include "FileSignatures.h"
#include "engine/FileNames.h"

namespace brinox {

std::int32_t ReadPieceMarksSetting(const std::string& appDirectory) {
    Archive archive;
    if (!archive.OpenForLoad(appDirectory + std::string(files::kPieceMarks))) {
        return 0;
    }
    std::int32_t setting = 0;
    if (!CheckSignature(archive, signatures::kPieceMarks, signatures::kPieceMarksFormat) ||
        !archive.ReadInt(setting)) {
        return 0;
    }
    return setting == 1 ? 1 : 0;
}

bool WritePieceMarksSetting(const std::string& appDirectory, std::int32_t setting) {
    Archive archive;
    if (!archive.OpenForStore(appDirectory + std::string(files::kPieceMarks))) {
        return false;
    }
    archive.WriteString(signatures::kPieceMarks);
    archive.WriteInt(signatures::kPieceMarksFormat);
    archive.WriteInt(setting);
    return archive.Close();
}

} // namespace brinox
