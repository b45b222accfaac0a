#pragma once

#include <QString>
#include <QStringList>

namespace virdo {

// What the command line asks for. Read before any application object exists, so that
// --help and --version answer without a display.
struct CommandLine
{
    enum class Action { Play, Help, Version, Error };
    Action action = Action::Play;
    QString text; // the help, the version line or the error message, without newline
    bool muet = false; // play without any sound (--muet, -m)
    bool voix = false; // every message also said aloud (--voix, -V)
};

CommandLine readCommandLine(const QStringList &arguments);

} // namespace virdo
