#include "app/learning/due_reminder.h"
#include "app/shell/game_command_line.h"
#include "app/shell/glossatiles_app.h"
#include "app/shell/ui_translations.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLocale>

#include <cstdio>

namespace {
constexpr int UsageError = 2;
} // namespace

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    const GameCommandLine commandLine = ParseGameCommandLine(arguments);
    switch (commandLine.request) {
    case GameCommandLine::Request::Help:
    case GameCommandLine::Request::Version:
        std::fputs(qPrintable(commandLine.answer), stdout);
        return 0;
    case GameCommandLine::Request::UsageError:
        std::fputs(qPrintable(commandLine.answer), stderr);
        return UsageError;
    case GameCommandLine::Request::Remind: {
        // No window: it runs at login, before the learner asked for anything.
        const QCoreApplication application(argc, argv);
        const UiTranslations translations(QLocale::system().uiLanguages());
        return RemindOfDuePairs();
    }
    case GameCommandLine::Request::Play:
        break;
    }

    QApplication application(argc, argv);
    // The menus follow the system's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
    const UiTranslations translations(QLocale::system().uiLanguages());
    CGlossatilesApp glossatiles;
    glossatiles.InitInstance(commandLine.file, commandLine.review);
    return QApplication::exec();
}
