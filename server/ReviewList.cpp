#include "ReviewList.h"

#include "UploadFile.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace brinox::server {

namespace {

constexpr std::size_t kFingerprintDigits = 64;
constexpr std::size_t kMaxReviewBytes = 4u << 20;

bool Fingerprint(std::string_view word) {
    return word.size() == kFingerprintDigits && std::all_of(word.begin(), word.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
           });
}

} // namespace

ReviewList ReviewList::Read(const std::string& path) {
    ReviewList list;
    bool tooLarge = false;
    const auto bytes = ReadUploadBytes(path, tooLarge, kMaxReviewBytes);
    if (!bytes) {
        return list;
    }
    const std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        const std::string_view line = text.substr(at, end - at);
        const std::string_view word = line.substr(0, line.find_first_of(" \t\r"));
        if (Fingerprint(word)) {
            list.admitted.emplace(word);
        }
        at = end + 1;
    }
    return list;
}

} // namespace brinox::server
