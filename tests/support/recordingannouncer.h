#pragma once

#include "windows/announcer.h"

#include <QList>
#include <QStringList>

// Records what the game would tell a screen reader instead of telling it: for each
// announcement, the window's objectName and the texts in their order.
class RecordingAnnouncer : public virdo::Announcer
{
public:
    struct Annonce
    {
        QString fenetre;
        QStringList textes;
        bool operator==(const Annonce &) const = default;
    };

    void announce(QWidget *window, const QStringList &texts) override;

    QList<Annonce> annonces;
};
