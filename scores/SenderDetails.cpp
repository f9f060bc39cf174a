#include "SenderDetails.h"

#include "engine/FileNames.h"
#include "settings/Archive.h"
#include "settings/FileSignatures.h"

namespace brinox {

bool ReadLastSend(Archive& archive, SenderDetails& details) {
    SenderDetails read;
    if (!CheckSignature(archive, signatures::kLastSend) || !archive.ReadString(read.name) ||
        !archive.ReadString(read.email) || !archive.ReadString(read.country) ||
        !archive.ReadString(read.notes)) {
        return false;
    }
    details = std::move(read);
    return true;
}

bool ReadLastSend(const std::string& appDirectory, SenderDetails& details) {
    Archive archive;
    return archive.OpenForLoad(appDirectory + std::string(files::kLastSend)) &&
           ReadLastSend(archive, details);
}

bool WriteLastSend(const std::string& appDirectory, const SenderDetails& details) {
    Archive archive;
    if (!archive.OpenForStore(appDirectory + std::string(files::kLastSend))) {
        return false;
    }
    archive.WriteString(signatures::kLastSend);
    archive.WriteString(details.name);
    archive.WriteString(details.email);
    archive.WriteString(details.country);
    archive.WriteString(details.notes);
    return archive.Close();
}

} // namespace brinox
