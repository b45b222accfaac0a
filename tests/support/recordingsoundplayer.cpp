#include "recordingsoundplayer.h"

void RecordingSoundPlayer::playLoop(const QString &fileName)
{
    const QString call = QStringLiteral("play:") + fileName;
    if (onCall)
        onCall(call);
    calls << call;
    playing = fileName;
}

void RecordingSoundPlayer::stop()
{
    if (onCall)
        onCall(QStringLiteral("stop"));
    calls << QStringLiteral("stop");
    playing.clear();
}
