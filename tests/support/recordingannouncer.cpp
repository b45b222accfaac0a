#include "recordingannouncer.h"

#include <QWidget>

void RecordingAnnouncer::announce(QWidget *window, const QStringList &texts)
{
    annonces.append({window->objectName(), texts});
}
