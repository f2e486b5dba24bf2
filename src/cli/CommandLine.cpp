#include "cli/CommandLine.h"

#include "cli/CommandLineError.h"
#include "cli/RenderCommand.h"
#include "cli/RenderHelp.h"
#include "cli/RenderOptions.h"
#include "cli/Version.h"

#include <QFile>
#include <QGuiApplication>
#include <QStringList>
#include <QTextStream>

#include <cstdio>
#include <unistd.h>

namespace {

QStringList argumentsFrom(int first, int argc, char** argv)
{
    QStringList arguments;
    for (int index = first; index < argc; ++index) {
        arguments << QFile::decodeName(argv[index]);
    }
    return arguments;
}

int printToStandardOutput(const QString& text)
{
    QTextStream(stdout) << text;
    return RenderCommand::written;
}

// Standard error is part of the command's contract (one line per refused input), so Qt's own
// chatter stays out of it; only messages about a failing process get through.
void quietMessageHandler(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fputs(qPrintable(message + u'\n'), stderr);
    }
}

int render(const RenderOptions& options, char* programName)
{
    // Fonts need a GUI application, and no display may be needed: the offscreen platform is
    // always used, whatever the session offers.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietMessageHandler);
    // Qt would take options such as -title for itself; it sees only the program name.
    int applicationArgc = 1;
    char* applicationArgv[] = { programName, nullptr };
    QGuiApplication application(applicationArgc, applicationArgv);
    QTextStream standardError(stderr);
    return RenderCommand::run(options, STDOUT_FILENO, standardError);
}

} // namespace

bool CommandLine::handles(int argc, char** argv)
{
    if (argc < 2) {
        return false;
    }
    const QByteArray first(argv[1]);
    return first == "render" || first == "--help" || first == "-h" || first == "--version";
}

int CommandLine::run(int argc, char** argv)
{
    const QByteArray first(argv[1]);
    if (first == "--version") {
        return printToStandardOutput(QStringLiteral("tesserly %1\n").arg(QLatin1String(tesserlyVersion)));
    }
    if (first != "render") {
        return printToStandardOutput(RenderHelp::text());
    }
    RenderOptions options;
    try {
        options = RenderOptions::parse(argumentsFrom(2, argc, argv));
    } catch (const CommandLineError& error) {
        QTextStream(stderr) << "tesserly render: " << error.description() << '\n' << RenderHelp::usage();
        return RenderCommand::usageError;
    }
    switch (options.request) {
    case RenderOptions::Request::help:
        return printToStandardOutput(RenderHelp::text());
    case RenderOptions::Request::version:
        return printToStandardOutput(QStringLiteral("tesserly %1\n").arg(QLatin1String(tesserlyVersion)));
    case RenderOptions::Request::render:
        break;
    }
    return render(options, argv[0]);
}
