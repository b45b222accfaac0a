#include "recordingsoundplayer.h"

void RecordingSoundPlayer::playLoop(virdo::Son son)
{
    const QString fileName = virdo::fichierDuSon(son);
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
