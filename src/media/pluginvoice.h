#pragma once

#include "media/voice.h"

#include <QPluginLoader>
#include <QString>

#include <memory>

namespace virdo {

// The voice of virdo --voix: it loads the voice plugin at the first text and hands it every
// call. Without the plugin the game plays silently, after one line on stderr.
class PluginVoice final : public Voice
{
public:
    explicit PluginVoice(const QString &pluginPath);
    ~PluginVoice() override;

    void say(const QString &text, bool whole) override;
    void afterSpeech(std::function<void()> done) override;
    bool release() override;

private:
    Voice *voice();

    QString m_path;
    QPluginLoader m_loader;
    bool m_tried = false;
    std::unique_ptr<Voice> m_voice;
};

} // namespace virdo
