#include "flow/voicedmessageboxes.h"

#include "media/spokentext.h"
#include "media/voice.h"

#include <QMessageBox>

namespace virdo {

VoicedMessageBoxes::VoicedMessageBoxes(Voice &voice)
    : m_voice(voice)
{
}

void VoicedMessageBoxes::run(QMessageBox &box)
{
    m_voice.say(spokenText({box.text()}), false);
    MessageBoxes::run(box);
}

} // namespace virdo
