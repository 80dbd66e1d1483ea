#include "app/shell/game_command_line.h"

#include "glossatiles_project.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <algorithm>
#include <array>

namespace {

// Qt's own options, which QApplication takes out of the command line itself: those that take
// a value, then those that stand alone. Qt writes them with one dash or two, a value after
// "=" or as the next argument.
constexpr std::array QtOptionsWithValue{
    u"platform",     u"platformpluginpath", u"platformtheme", u"plugin",      u"qwindowgeometry",
    u"geometry",     u"qwindowtitle",       u"title",         u"qwindowicon", u"icon",
    u"style",        u"stylesheet",         u"session",       u"display",     u"name",
    u"qmljsdebugger"};
constexpr std::array QtFlags{u"reverse", u"widgetcount", u"testability",
                             u"nograb",  u"dograb",      u"sync"};

// The arguments without Qt's options and their values; those after "--" are files.
QStringList WithoutQtOptions(const QStringList& arguments) {
    QStringList ours;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == u"--") {
            ours += arguments.mid(i);
            break;
        }
        if (i == 0 || !argument.startsWith(u'-')) {
            ours.append(argument);
            continue;
        }
        const QString bare = argument.mid(argument.startsWith(u"--") ? 2 : 1);
        const QString name = bare.section(u'=', 0, 0);
        const auto named = [&name](std::u16string_view option) {
            return name == QStringView(option);
        };
        if (std::ranges::any_of(QtOptionsWithValue, named)) {
            // The value is the next argument unless it came after "=".
            i += bare.contains(u'=') ? 0 : 1;
        } else if (!std::ranges::any_of(QtFlags, named)) {
            ours.append(argument);
        }
    }
    return ours;
}

} // namespace

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
    const QCommandLineOption remind(
        QStringLiteral("remind"),
        QStringLiteral("Show a desktop notification when word pairs are due today, then exit."));
    const QCommandLineOption review(QStringLiteral("review"),
                                    QStringLiteral("Start on Today's Review."));
    parser.addOptions({help, version, remind, review});
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("A word-pair list or a saved game to open."),
                                 QStringLiteral("[FILE]"));

    using Request = GameCommandLine::Request;
    const bool parsed = parser.parse(WithoutQtOptions(arguments));
    if (parsed && parser.isSet(help)) {
        // The parser names the program as it was started, or not at all before the application
        // object exists.
        const QString text = parser.helpText();
        return {Request::Help,
                {},
                false,
                QStringLiteral("Usage: glossatiles") + text.mid(text.indexOf(u" [options]"))};
    }
    if (parsed && parser.isSet(version)) {
        return {Request::Version,
                {},
                false,
                QStringLiteral("glossatiles %1\n").arg(GlossatilesVersion)};
    }
    const QStringList files = parser.positionalArguments();
    const bool reminding = parser.isSet(remind);
    const bool reviewing = parser.isSet(review);
    // --remind and --review each stand alone.
    const bool mixed =
        (reminding && (reviewing || !files.isEmpty())) || (reviewing && !files.isEmpty());
    if (!parsed || files.size() > 1 || mixed) {
        const QString error = !parsed ? parser.errorText()
                              : mixed ? QStringLiteral("--remind and --review stand alone.")
                                      : QStringLiteral("Only one file can be opened.");
        return {Request::UsageError,
                {},
                false,
                QStringLiteral("glossatiles: %1\nUsage: glossatiles [--help] [--version] "
                               "[--remind | --review | FILE]\n")
                    .arg(error)};
    }
    if (reminding) {
        return {Request::Remind, {}, false, {}};
    }
    // Kept whole, as the game writes it into saved games and the recent-file list.
    return {Request::Play,
            files.isEmpty() ? QString() : QFileInfo(files[0]).absoluteFilePath(),
            reviewing,
            {}};
}
