// The one entry point of the device module, which OpenDeviceModule resolves.
#include "LinkedDevices.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT void BrinoxOpenDevices(const brinox::GamepadLinks* links, bool withSounds,
                                                brinox::Devices* devices) {
    *devices = brinox::OpenLinkedDevices(*links, withSounds);
}
