#include "app/commandline.h"
#include "config.h"
#include "app/displayguard.h"
#include "app/displayloss.h"
#include "app/guideshortcut.h"
#include "app/platformchoice.h"
#include "app/screencolours.h"
#include "app/sessionbus.h"
#include "engine/generateur.h"
#include "flow/jeu.h"
#include "flow/voicedannouncer.h"
#include "flow/voicedmessageboxes.h"
#include "media/pluginsoundplayer.h"
#include "media/pluginvoice.h"
#include "media/silentsoundplayer.h"
#include "media/tuneaftervoice.h"
#include "windows/announcer.h"
#include "windows/fonts.h"
#include "windows/messageboxes.h"

#include <QApplication>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

namespace {

// A sound server that hangs must not keep the game alive. With the sound thread stuck on
// it, the rest of the way out would wait on or trip over that thread (deleting a running
// QThread aborts, and so does the sound library's clean-up of a mutex it holds): the
// process ends here, its windows already gone and nothing left to save.
[[noreturn]] void leaveWithoutSound()
{
    qWarning("le son ne répond plus : le jeu se ferme sans l'attendre");
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}

// The same for a speech thread stuck on a synthesizer that hangs. Only the program's own
// streams are flushed: the speech library's thread, blocked on its socket, holds the lock of
// a stream of its own.
[[noreturn]] void leaveWithoutVoice()
{
    qWarning("la voix ne répond plus : le jeu se ferme sans l'attendre");
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(EXIT_SUCCESS);
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const virdo::CommandLine line = virdo::readCommandLine(arguments);
    switch (line.action) {
    case virdo::CommandLine::Action::Play:
        break;
    case virdo::CommandLine::Action::Help:
    case virdo::CommandLine::Action::Version:
        std::fputs(qPrintable(line.text + u'\n'), stdout);
        return 0;
    case virdo::CommandLine::Action::Error:
        std::fputs(qPrintable(line.text + u'\n'), stderr);
        return 2;
    }

    virdo::joinOnlyAnExistingSessionBus();
    virdo::chooseDisplayPlatform();
    virdo::DisplayGuard displayGuard;
    QApplication app(argc, argv);
    displayGuard.done();
    if (!virdo::screenHasEnoughColours())
        return 1;
    QApplication::setApplicationName(QStringLiteral("VIRDO"));
    QApplication::setApplicationVersion(QStringLiteral(VIRDO_VERSION));
    // Ties the windows to the menu entry: the desktop file name is Wayland's app id; on X11
    // the entry's StartupWMClass is the window class, which Qt takes from the application name.
    QGuiApplication::setDesktopFileName(QStringLiteral(VIRDO_APP_ID));
    // The game ends when it has unloaded its last window, not when the last one is hidden.
    QApplication::setQuitOnLastWindowClosed(false);
    virdo::installFontSubstitutions();
    virdo::GuideShortcut guide(virdo::GuideShortcut::find(QCoreApplication::applicationDirPath()));
    app.installEventFilter(&guide);

    // The sound plugin lies beside the program; it is loaded when the first game begins.
    virdo::PluginSoundPlayer plugin(QCoreApplication::applicationDirPath() + QStringLiteral("/" VIRDO_SOUND_PLUGIN));
    // --muet: the silent player, and the plugin is never loaded.
    virdo::SilentSoundPlayer silence;
    virdo::SoundPlayer &tunes = line.muet ? static_cast<virdo::SoundPlayer &>(silence) : plugin;
    // --voix: the voice plugin, loaded with the first message; the tunes wait for the voice.
    virdo::PluginVoice voix(QCoreApplication::applicationDirPath() + QStringLiteral("/" VIRDO_VOICE_PLUGIN));
    virdo::TuneAfterVoice tunesAfterVoice(tunes, voix);
    virdo::SoundPlayer &son = line.voix ? static_cast<virdo::SoundPlayer &>(tunesAfterVoice) : tunes;
    int status = 0;
    {
        virdo::GenerateurFixe hasard;
        virdo::MessageBoxes plainMessages;
        virdo::VoicedMessageBoxes voicedMessages(voix);
        virdo::MessageBoxes &messages = line.voix ? voicedMessages : plainMessages;
        virdo::Announcer screenReader;
        virdo::VoicedAnnouncer voicedAnnouncer(screenReader, voix);
        virdo::Announcer &annonces = line.voix ? static_cast<virdo::Announcer &>(voicedAnnouncer) : screenReader;
        virdo::Jeu jeu(son, hasard, messages, annonces);
        // The main window's own icon: decoded once for both.
        QApplication::setWindowIcon(jeu.ressources().icon(":/icons/virdo.ico"));
        // The display going away (a logout, the compositor's end) ends the game as every end
        // does: the sound lets go of its thread (a silent game has none, and the plugin was
        // never loaded), then the program leaves.
        const virdo::DisplayLoss displayLoss(QGuiApplication::platformName(), [&son] {
            if (!son.release())
                leaveWithoutSound();
        });
        QObject::connect(&jeu, &virdo::Jeu::termine, &app, &QApplication::quit, Qt::QueuedConnection);
        jeu.demarrer();
        status = app.exec();
    }
    // The windows are gone: the sound goes last.
    if (!son.release())
        leaveWithoutSound();
    if (!voix.release())
        leaveWithoutVoice();
    return status;
}
