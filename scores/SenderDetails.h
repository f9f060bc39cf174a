// The particulars a player sends with a championship result, kept in
// lastsend.dat (signature, name, e-mail, country, notes) to fill the send
// dialog next time. A foreign or cut-short file reads as nothing at all.
#pragma once

#include <string>

namespace brinox {

class Archive;

struct SenderDetails {
    std::string name;
    std::string email;
    std::string country;
    std::string notes;

    bool operator==(const SenderDetails&) const = default;
};

// False (details unchanged) when the file is missing, foreign or cut short.
bool ReadLastSend(const std::string& appDirectory, SenderDetails& details);
bool ReadLastSend(Archive& archive, SenderDetails& details);
bool WriteLastSend(const std::string& appDirectory, const SenderDetails& details);

} // namespace brinox
