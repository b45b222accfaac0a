#pragma once

#include "media/lazyplugin.h"
#include "media/voice.h"
#include "media/pluginfactory.h"

#include <QString>

namespace virdo {

// The voice of virdo --voix: it loads the voice plugin at the first text and hands it every
// call. Without the plugin the game plays silently, after one line on stderr.
class PluginVoice final : public Voice
{
public:
    explicit PluginVoice(const QString &pluginPath);

    void say(const QString &text, bool whole) override;
    void afterSpeech(std::function<void()> done) override;
    bool release() override;

private:
    LazyPlugin<Voice> m_plugin;
};

} // namespace virdo
