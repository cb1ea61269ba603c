#include "app/startupoptions.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>

StartupOptions StartupOptions::parse(const QStringList &arguments, const QString &workingDirectory)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(tr("Quillby, a register for household finances."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption checkStart(
        QStringLiteral("check-start"),
        tr("Open (or create) the database, build the main window without showing it, print the database's path and exit."));
    parser.addOption(checkStart);
    parser.addPositionalArgument(QStringLiteral("file"), tr("A CSV, QIF or OFX file to import."), QStringLiteral("[file]"));

    StartupOptions options;
    auto fail = [&options](const QString &text) {
        options.action = Action::PrintAndExit;
        options.message = text;
        options.exitCode = 2;
        return options;
    };
    if (!parser.parse(arguments))
        return fail(parser.errorText());
    if (parser.isSet(help)) {
        options.action = Action::PrintAndExit;
        options.message = parser.helpText();
        return options;
    }
    if (parser.isSet(version)) {
        options.action = Action::PrintAndExit;
        options.message = QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion());
        return options;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return fail(tr("Give at most one file to import."));
    if (parser.isSet(checkStart)) {
        if (!files.isEmpty())
            return fail(tr("--check-start takes no file."));
        options.action = Action::CheckStart;
        return options;
    }
    if (!files.isEmpty()) {
        const QString &given = files.constFirst();
        if (given.isEmpty())
            return fail(tr("The file name is empty."));
        if (given.toUtf8().size() > MaxPathBytes)
            return fail(tr("The file name is too long."));
        options.file = QDir::cleanPath(QDir(workingDirectory).absoluteFilePath(given));
    }
    return options;
}

QString StartupOptions::fileProblem(const QString &absolutePath)
{
    const QString name = QDir::toNativeSeparators(absolutePath);
    if (absolutePath.isEmpty() || !QDir::isAbsolutePath(absolutePath) || absolutePath.toUtf8().size() > MaxPathBytes)
        return tr("\"%1\" is not a file name this program can open.").arg(name);
    const QFileInfo info(absolutePath);
    if (!info.exists())
        return tr("The file \"%1\" does not exist.").arg(name);
    if (info.isDir())
        return tr("\"%1\" is a folder, not a file.").arg(name);
    if (!info.isFile())
        return tr("\"%1\" is not a regular file.").arg(name);
    if (!info.isReadable())
        return tr("The file \"%1\" cannot be read.").arg(name);
    return QString();
}
