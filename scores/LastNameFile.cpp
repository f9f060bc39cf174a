#include "LastNameFile.h"

#include "engine/FileNames.h"
#include "settings/Archive.h"
#include "settings/FileSignatures.h"

namespace brinox {

bool ReadLastName(Archive& archive, std::string& name) {
    std::string read;
    if (!CheckSignature(archive, signatures::kLastName) || !archive.ReadString(read)) {
        return false;
    }
    name = std::move(read);
    return true;
}

std::string ReadLastName(const std::string& appDirectory) {
    Archive archive;
    std::string name;
    if (archive.OpenForLoad(appDirectory + std::string(files::kLastName))) {
        ReadLastName(archive, name);
    }
    return name;
}

bool WriteLastName(const std::string& appDirectory, const std::string& name) {
    Archive archive;
    if (!archive.OpenForStore(appDirectory + std::string(files::kLastName))) {
        return false;
    }
    archive.WriteString(signatures::kLastName);
    archive.WriteString(name);
    return archive.Close();
}

} // namespace brinox
