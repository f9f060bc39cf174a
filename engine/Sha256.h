// SHA-256 (FIPS 180-4), for names that a player must not be able to forge:
// the fingerprint of a championship game and the key under which the
// ranking tool keeps a verdict. Feed bytes in any pieces, then take the digest.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace brinox {

class Sha256 {
public:
    using Digest = std::array<std::uint8_t, 32>;

    Sha256();
    void Add(std::span<const std::uint8_t> bytes);
    void Add(std::string_view text);
    // A number as its eight bytes, little-endian.
    void AddNumber(std::int64_t value);
    // The digest of everything added; the object is spent afterwards.
    Digest Finish();

    static std::string Hex(const Digest& digest);

private:
    void Block(const std::uint8_t* block);

    std::array<std::uint32_t, 8> state;
    std::array<std::uint8_t, 64> pending{};
    std::size_t pendingBytes = 0;
    std::uint64_t totalBytes = 0;
};

} // namespace brinox
