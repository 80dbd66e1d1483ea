#pragma once

#include <QString>
#include <QStringList>

// What the game's command line asks for: play, optionally on a file, or an answer printed
// instead. Parsed before any window exists, so --help and --version need no display.
struct GameCommandLine {
    enum class Request { Play, Help, Version, Remind, UsageError };

    Request request = Request::Play;
    // The file to open, made absolute; empty for none.
    QString file;
    // Play starts on Today's Review.
    bool review = false;
    // Printed for Help and Version on standard output, for a usage error on standard error.
    QString answer;
};

// arguments as main receives them: the program, then its options and at most one file.
GameCommandLine ParseGameCommandLine(const QStringList& arguments);
