#include "WatchFile.h"

#include "scores/ReplayBundle.h"
#include "scores/ReplayStore.h"
#include "scores/TransferFile.h"
#include "settings/Archive.h"

#include <filesystem>
#include <fstream>

namespace brinox {

namespace {

// The upload beside a bundle NAME.replays: NAME.ttb.
std::optional<TransferFile> UploadBeside(const std::string& bundlePath) {
    if (!bundlePath.ends_with(kReplayBundleSuffix)) {
        return std::nullopt;
    }
    const std::string base = bundlePath.substr(0, bundlePath.size() - kReplayBundleSuffix.size());
    Archive archive;
    TransferFile upload;
    if (!archive.OpenForLoad(base + ".ttb") || !ReadTransferFile(archive, upload)) {
        return std::nullopt;
    }
    return upload;
}

} // namespace

WatchFile WatchFile::Read(const std::string& path) {
    WatchFile file;
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    std::ifstream in(path, std::ios::binary);
    if (error || !in) {
        file.status = Status::Unreadable;
        return file;
    }
    // No bundle, and so no row's replay either, is larger.
    if (size > ReplayBundle::kMaxBytes) {
        return file;
    }
    std::vector<std::uint8_t> bytes(size);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size))) {
        file.status = Status::Unreadable;
        return file;
    }
    if (std::optional<ReplayBundle> bundle = ReadReplayBundle(bytes)) {
        file.bundle = true;
        const std::optional<TransferFile> upload = UploadBeside(path);
        for (ReplayBundle::RowReplay& kept : bundle->replays) {
            Replay replay{kept.row, std::nullopt, std::move(kept.replay)};
            if (upload) {
                replay.entry = upload->rows[static_cast<std::size_t>(kept.row)];
            }
            file.replays.push_back(std::move(replay));
        }
    } else {
        Archive archive;
        archive.OpenForLoad(bytes);
        if (std::optional<std::vector<std::uint8_t>> replay = ReplayStore::ReadRowFile(archive)) {
            file.replays.push_back({-1, std::nullopt, std::move(*replay)});
        }
    }
    file.status = file.replays.empty() ? Status::NoReplay : Status::Ok;
    return file;
}

} // namespace brinox
