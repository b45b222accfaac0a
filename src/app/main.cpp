#include "engine/generateur.h"
#include "flow/jeu.h"
#include "media/pluginsoundplayer.h"
#include "windows/fonts.h"
#include "windows/messageboxes.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VIRDO"));
    QApplication::setApplicationVersion(QStringLiteral(VIRDO_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/virdo.ico")));
    // The game ends when it has unloaded its last window, not when the last one is hidden.
    QApplication::setQuitOnLastWindowClosed(false);
    virdo::installFontSubstitutions();

    // The sound plugin lies beside the program; it is loaded when the first game begins.
    virdo::PluginSoundPlayer son(QCoreApplication::applicationDirPath() + QStringLiteral("/" VIRDO_SOUND_PLUGIN));
    virdo::GenerateurFixe hasard;
    virdo::MessageBoxes messages;
    virdo::Jeu jeu(son, hasard, messages);
    QObject::connect(&jeu, &virdo::Jeu::termine, &app, &QApplication::quit, Qt::QueuedConnection);
    jeu.demarrer();
    return app.exec();
}
