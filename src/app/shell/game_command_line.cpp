#include "app/shell/game_command_line.h"

#include "glossatiles_project.h"

#include <QCommandLineParser>
#include <QFileInfo>

GameCommandLine ParseGameCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Glossatiles, a vocabulary game: remove the tiles of a layered board in "
                       "pairs of words that belong together."));
    // Our own rather than Qt's, whose --help-all offers Qt options this early parse refuses.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    parser.addOptions({help, version});
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("A word-pair list or a saved game to open."),
                                 QStringLiteral("[FILE]"));

    using Request = GameCommandLine::Request;
    const bool parsed = parser.parse(arguments);
    if (parsed && parser.isSet(help)) {
        // The parser names the program as it was started, or not at all before the application
        // object exists.
        const QString text = parser.helpText();
        return {Request::Help,
                {},
                QStringLiteral("Usage: glossatiles") + text.mid(text.indexOf(u" [options]"))};
    }
    if (parsed && parser.isSet(version)) {
        return {Request::Version, {}, QStringLiteral("glossatiles %1\n").arg(GlossatilesVersion)};
    }
    const QStringList files = parser.positionalArguments();
    if (!parsed || files.size() > 1) {
        const QString error =
            parsed ? QStringLiteral("Only one file can be opened.") : parser.errorText();
        return {Request::UsageError,
                {},
                QStringLiteral("glossatiles: %1\nUsage: glossatiles [--help] [--version] [FILE]\n")
                    .arg(error)};
    }
    // Kept whole, as the game writes it into saved games and the recent-file list.
    return {
        Request::Play, files.isEmpty() ? QString() : QFileInfo(files[0]).absoluteFilePath(), {}};
}
