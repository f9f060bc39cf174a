// lastname.dat: signature, then the last name entered in the name dialog.
// Any failure to read gives an empty name; a failed write keeps the old file.
#pragma once

#include <string>

namespace brinox {

class Archive;

std::string ReadLastName(const std::string& appDirectory);
// False on a foreign or cut-short file; name is then unchanged.
bool ReadLastName(Archive& archive, std::string& name);
bool WriteLastName(const std::string& appDirectory, const std::string& name);

} // namespace brinox
