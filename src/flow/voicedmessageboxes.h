#pragma once

#include "windows/messageboxes.h"

namespace virdo {

class Voice;

// The message boxes of virdo --voix: the game's voice says each prompt as its box opens.
class VoicedMessageBoxes final : public MessageBoxes
{
public:
    explicit VoicedMessageBoxes(Voice &voice);

protected:
    void run(QMessageBox &box) override;

private:
    Voice &m_voice;
};

} // namespace virdo
