#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// What the program's command line asks for: an optional statement file to
// import, or --check-start, which opens the database and ends. Qt's own
// options (-platform, -style...) are gone from the list by the time it gets
// here. parse() never exits the process; the caller prints `message` and
// ends with `exitCode` when `action` says so.
class StartupOptions
{
    Q_DECLARE_TR_FUNCTIONS(StartupOptions)

public:
    enum class Action { Start, CheckStart, PrintAndExit };

    Action action = Action::Start;
    // Absolute and cleaned; empty when no file was named.
    QString file;
    // Help or version (exit code 0), or what was wrong (exit code 2).
    QString message;
    int exitCode = 0;

    static StartupOptions parse(const QStringList &arguments, const QString &workingDirectory);

    // Longest file path accepted, in UTF-8 bytes: Linux's PATH_MAX.
    static constexpr int MaxPathBytes = 4096;

    // Why the file cannot be imported, as a person reads it, or empty when it
    // is an existing, readable regular file. A FIFO or a device would block
    // or never end, so only regular files pass.
    static QString fileProblem(const QString &absolutePath);
};
