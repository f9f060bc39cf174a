// The one entry point of the sound module, which SoundOnDemand opens.
#include "SoundPlayer.h"

extern "C" Q_DECL_EXPORT brinox::SoundOutput* BrinoxCreateSoundPlayer() {
    return new brinox::SoundPlayer();
}
