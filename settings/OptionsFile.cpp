#include "OptionsFile.h"

#include "Archive.h"
#include "FileSignatures.h"
#include "PieceMarksFile.h"
#include "Windows1252.h"
#include "engine/FileNames.h"
#include "engine/GameTypes.h"

#include <array>

namespace brinox {

namespace {

using Field = std::int32_t Options::*;

// The integer fields between the format number and the sound switches, in file order.
std::array<Field, 23> HeadFields() {
    return {&Options::gameType,
            &Options::gameMode,
            &Options::bombsOn,
            &Options::demolitionSpeed,
            &Options::levelAnimationSpeed,
            &Options::showNextBar,
            &Options::showToolBar,
            &Options::showStatusBar,
            &Options::userColor,
            &Options::fieldBackground,
            &Options::reservedFlag,
            &Options::keyLeft,
            &Options::keyRight,
            &Options::keyDown,
            &Options::keyDrop,
            &Options::keyRotate,
            &Options::sensLeft,
            &Options::sensRight,
            &Options::sensDown,
            &Options::sensDrop,
            &Options::sensRotate,
            &Options::blockSet,
            &Options::animateTitle};
}

std::array<Field, 4> TailFields() {
    return {&Options::startLevel, &Options::startHeight, &Options::digitSet, &Options::keyPause};
}

bool ReadFields(Archive& archive, Options& o) {
    for (auto field : HeadFields()) {
        if (!archive.ReadInt(o.*field)) {
            return false;
        }
    }
    if (!archive.ReadInt(o.soundOn)) {
        return false;
    }
    for (std::int32_t e = 0; e < kStoredSoundEvents; ++e) {
        if (!archive.ReadInt(o.soundEnabled[e])) {
            return false;
        }
    }
    for (std::int32_t e = 0; e < kStoredSoundEvents; ++e) {
        std::string stored;
        if (!archive.ReadString(stored)) {
            return false;
        }
        o.soundFile[e] = Windows1252ToUtf8(stored);
    }
    for (auto field : TailFields()) {
        if (!archive.ReadInt(o.*field)) {
            return false;
        }
    }
    return true;
}

void KeepWithin(std::int32_t& value, std::int32_t low, std::int32_t high, std::int32_t fallback) {
    if (value < low || value > high) {
        value = fallback;
    }
}

std::string OptionsPath(const std::string& appDirectory) {
    return appDirectory + std::string(files::kOptions);
}

} // namespace

void SanitizeOptions(Options& o) {
    const Options d;
    for (const OptionLimit& limit : kOptionLimits) {
        KeepWithin(o.*limit.field, limit.low, limit.high, d.*limit.field);
    }
    if (o.gameType == Quinel && o.gameMode == WorldChampionship) {
        o.gameMode = Classic; // no such game: Quinel has no championship table
    }
    o.userColor &= 0x00FFFFFF;
    for (std::int32_t& enabled : o.soundEnabled) {
        KeepWithin(enabled, 0, 1, 1);
    }
}

bool LoadOptions(Archive& archive, Options& options) {
    if (!CheckSignature(archive, signatures::kOptions, signatures::kOptionsFormat)) {
        return false;
    }
    Options scratch = options;
    bool complete = ReadFields(archive, scratch);
    SanitizeOptions(scratch);
    options = std::move(scratch);
    return complete;
}

bool LoadOptions(const std::string& appDirectory, Options& options) {
    Archive archive;
    if (!archive.OpenForLoad(OptionsPath(appDirectory))) {
        return false;
    }
    return LoadOptions(archive, options);
}

void WriteOptions(Archive& archive, const Options& o) {
    archive.WriteString(signatures::kOptions);
    archive.WriteInt(signatures::kOptionsFormat);
    for (auto field : HeadFields()) {
        archive.WriteInt(o.*field);
    }
    archive.WriteInt(o.soundOn);
    for (std::int32_t e = 0; e < kStoredSoundEvents; ++e) {
        archive.WriteInt(o.soundEnabled[e]);
    }
    for (std::int32_t e = 0; e < kStoredSoundEvents; ++e) {
        archive.WriteString(Utf8ToWindows1252(o.soundFile[e]));
    }
    for (auto field : TailFields()) {
        archive.WriteInt(o.*field);
    }
}

bool SaveOptions(const std::string& appDirectory, const Options& options) {
    Archive archive;
    if (!archive.OpenForStore(OptionsPath(appDirectory))) {
        return false;
    }
    WriteOptions(archive, options);
    if (!archive.Close()) {
        return false;
    }
    // The marks file's own failure is not brinox.dat's: the aid stays in
    // force for this run and the file keeps the previous switch.
    WritePieceMarksSetting(appDirectory, options.pieceMarks);
    return true;
}

OptionsStartup StartOptions(const std::string& appDirectory, Options& options) {
    options.SetDefaults();
    options.SetDefaultSoundFiles(appDirectory);
    options.pieceMarks = ReadPieceMarksSetting(appDirectory);
    if (LoadOptions(appDirectory, options)) {
        return OptionsStartup::Loaded;
    }
    // What a damaged file did hold is kept in options and written back with it.
    if (!SaveOptions(appDirectory, options)) {
        return OptionsStartup::CannotSave;
    }
    if (!LoadOptions(appDirectory, options)) {
        return OptionsStartup::CannotCreate;
    }
    return OptionsStartup::CreatedDefaults;
}

} // namespace brinox
