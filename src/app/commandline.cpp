#include "app/commandline.h"
#include "config.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

namespace virdo {

namespace {

// The options QGuiApplication and QApplication take out of the command line themselves
// (and the session manager's -session): accepted, passed on to Qt, not shown in the help.
QList<QCommandLineOption> qtOptions()
{
    const char *withValue[] = {"platform", "platformpluginpath", "platformtheme", "plugin",
                               "qwindowgeometry", "qwindowicon", "qwindowtitle", "session",
                               "display", "geometry", "style", "stylesheet", "qmljsdebugger"};
    const char *flags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
    QList<QCommandLineOption> options;
    for (const char *name : withValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("valeur"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        options << option;
    }
    for (const char *name : flags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        options << option;
    }
    return options;
}

// The option as it was typed (-x, --x, -xyz), from the parser's name for it.
QString asTyped(const QString &name, const QStringList &arguments)
{
    for (const QString &argument : arguments) {
        const QString bare = argument.section(u'=', 0, 0);
        if (bare == u'-' + name || bare == QStringLiteral("--") + name)
            return bare;
    }
    return QStringLiteral("--") + name;
}

} // namespace

CommandLine readCommandLine(const QStringList &arguments)
{
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("affiche cette aide et s'arrête"));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("affiche la version et s'arrête"));
    const QCommandLineOption muet({QStringLiteral("m"), QStringLiteral("muet")},
                                  QStringLiteral("joue sans aucun son"));
    const QCommandLineOption voix({QStringLiteral("V"), QStringLiteral("voix")},
                                  QStringLiteral("dit à voix haute chaque message du jeu"));
    QCommandLineParser parser;
    // Qt's own options are single-dash words: -platform is one option, not -p -l -a ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(muet);
    parser.addOption(voix);
    parser.addOptions(qtOptions());

    CommandLine line;
    const QString hint = QStringLiteral(" ; voir « virdo --help »");
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        line.action = CommandLine::Action::Error;
        line.text = unknown.isEmpty()
                        ? QStringLiteral("virdo : une option attend une valeur") + hint
                        : QStringLiteral("virdo : option inconnue « %1 »").arg(asTyped(unknown.first(), arguments)) + hint;
        return line;
    }
    if (!parser.positionalArguments().isEmpty()) {
        line.action = CommandLine::Action::Error;
        line.text = QStringLiteral("virdo : argument inattendu « %1 »").arg(parser.positionalArguments().first()) + hint;
        return line;
    }
    if (parser.isSet(help)) {
        line.action = CommandLine::Action::Help;
        line.text = QStringLiteral(
            "Usage : virdo [option]\n"
            "VIRDO, jeu de logique et de calcul mental pour enfants : la course au total.\n"
            "Sans option, le jeu s'ouvre.\n"
            "\n"
            "Options :\n"
            "  -h, --help     %1\n"
            "  -m, --muet     %2\n"
            "  -v, --version  %3\n"
            "  -V, --voix     %4\n"
            "\n"
            "Le guide pour les parents et les enseignants (les règles, les programmes,\n"
            "la stratégie gagnante) : « man virdo », et la page à imprimer\n"
            "%5\n"
            "que la touche F1 ouvre depuis le jeu.")
                        .arg(help.description(), muet.description(), version.description(), voix.description(),
                             QStringLiteral(VIRDO_GUIDE));
    } else if (parser.isSet(version)) {
        line.action = CommandLine::Action::Version;
        line.text = QStringLiteral("VIRDO " VIRDO_VERSION);
    }
    line.muet = parser.isSet(muet);
    line.voix = parser.isSet(voix);
    return line;
}

} // namespace virdo
