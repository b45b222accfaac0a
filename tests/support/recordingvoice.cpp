#include "recordingvoice.h"

#include <utility>

void RecordingVoice::spoken()
{
    for (const auto &done : std::exchange(waiting, {}))
        done();
}
