// The byte layer of every data file: 32-bit little-endian integers and
// length-prefixed 8-bit strings, read and written through a 4096-byte buffer.
//
// Errors are sticky results, never exceptions: once a read runs past the end
// of the data or a write fails, the archive is failed and every later call
// is a no-op that reports false. A load never allocates more than the bytes
// actually left in its source.
//
// Store mode never touches the target until the very end: it writes a
// temporary file with a fresh unique name in the target's directory (never
// one of the player's files), gives it the target's permissions (a new file
// gets 0666 less the umask), syncs it and renames it over the target only
// when Close() succeeds, then syncs the directory. A target that is a
// symbolic link keeps its link: the file it points to is replaced. Any
// failure, or destroying the archive without a successful Close(), removes
// the temporary file and leaves the target as it was, byte for byte.
//
// Strings are Windows-1252 bytes; the 16-bit form a file may hold is read
// through the same code page.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace brinox {

class Archive {
public:
    enum class Mode { Closed, Load, Store };
    enum class Error { None, CannotOpen, EndOfFile, BadData, WriteError };

    static constexpr std::size_t kBufferSize = 4096;

    Archive() = default;
    ~Archive();
    Archive(const Archive&) = delete;
    Archive& operator=(const Archive&) = delete;

    // Load mode over an existing file; false (CannotOpen) when it cannot be read.
    bool OpenForLoad(const std::string& path);
    // Load mode over bytes held in memory (they must outlive the archive).
    void OpenForLoad(std::span<const std::uint8_t> bytes);
    // Store mode towards path, through its temporary file.
    bool OpenForStore(const std::string& path);

    bool ReadInt(std::int32_t& value);
    bool ReadUInt(std::uint32_t& value);
    // Replaces the whole content of text; 16-bit strings come back as
    // Windows-1252 (a character outside the code page becomes '?').
    bool ReadString(std::string& text);

    void WriteInt(std::int32_t value);
    void WriteUInt(std::uint32_t value);
    void WriteString(std::string_view text);

    // Load: releases the file; true when no read failed.
    // Store: flushes, syncs and renames over the target; true on success.
    bool Close();
    // Store: drops everything written, removing the temporary file.
    void Abort();

    bool Ok() const { return error == Error::None; }
    Error LastError() const { return error; }
    Mode CurrentMode() const { return mode; }

private:
    bool Fill();
    bool ReadBytes(void* out, std::size_t count);
    bool ReadLength(std::uint32_t& length, bool& wide);
    bool Flush();
    void WriteBytes(const void* data, std::size_t count);
    void Fail(Error why);
    void Release();
    bool CreateTemporary();

    Mode mode = Mode::Closed;
    Error error = Error::None;
    int fd = -1;
    std::string target;
    std::string temporary;
    std::vector<std::uint8_t> buffer;
    std::size_t position = 0;    // next byte of buffer to read, or bytes buffered to write
    std::size_t filled = 0;      // valid bytes in buffer (load)
    std::uint64_t remaining = 0; // bytes of the source not yet read into the buffer
    std::span<const std::uint8_t> memory;
};

// Reads the leading signature string (and the format number, when the file
// has one) and compares them exactly. Every loader starts with this.
bool CheckSignature(Archive& archive, std::string_view signature,
                    std::optional<std::int32_t> formatNumber = std::nullopt);

// Bytes of a whole file, or nullopt when it cannot be read (for tests and tools).
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path);

} // namespace brinox
