// SHA-256 against the published test vectors, fed whole and byte by byte (the
// 56-byte message is the one whose padding needs a second block).
#include "engine/Sha256.h"

#include <gtest/gtest.h>

#include <string>

namespace brinox {
namespace {

TEST(Sha256Test, DigestsOfThePublishedVectorsWholeAndInPieces) {
    const std::pair<std::string, std::string> vectors[] = {
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
    };
    for (const auto& [message, digest] : vectors) {
        Sha256 whole;
        whole.Add(message);
        EXPECT_EQ(Sha256::Hex(whole.Finish()), digest) << message;
        Sha256 pieces;
        for (const char c : message) {
            pieces.Add(std::string_view(&c, 1));
        }
        EXPECT_EQ(Sha256::Hex(pieces.Finish()), digest) << message;
    }
    Sha256 million; // a million times 'a', across many blocks
    for (int i = 0; i < 1000; ++i) {
        million.Add(std::string(1000, 'a'));
    }
    EXPECT_EQ(Sha256::Hex(million.Finish()),
              "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
}

} // namespace
} // namespace brinox
