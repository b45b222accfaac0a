#include "media/soundplayer.h"

namespace virdo {

// Out of line so that the vtable lives in this library only.
SoundPlayer::~SoundPlayer() = default;

} // namespace virdo
