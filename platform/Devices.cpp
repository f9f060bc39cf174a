#include "Devices.h"

#include <QCoreApplication>
#include <QLibrary>

namespace brinox {

namespace {

using Entry = void (*)(const GamepadLinks* links, bool withSounds, Devices* devices);

// Next to the program in a build tree; in the library directory once installed.
QStringList ModulePlaces() {
    const QString programDirectory = QCoreApplication::applicationDirPath();
    return {programDirectory + QStringLiteral("/brinox2000-devices.so"),
            programDirectory +
                QStringLiteral("/" BRINOX_DEVICE_MODULE_FROM_BIN "/brinox2000-devices.so")};
}

Entry FindEntry() {
    for (const QString& place : ModulePlaces()) {
        // Never unloaded: the devices' code must outlive the devices.
        QLibrary module(place);
        if (auto entry = reinterpret_cast<Entry>(module.resolve("BrinoxOpenDevices"))) {
            return entry;
        }
    }
    return nullptr;
}

} // namespace

Devices OpenDeviceModule(const GamepadLinks& links, bool withSounds) {
    static const Entry entry = FindEntry();
    Devices devices;
    if (entry != nullptr) {
        entry(&links, withSounds, &devices);
    }
    return devices;
}

} // namespace brinox
