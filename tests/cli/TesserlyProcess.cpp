#include "TesserlyProcess.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>

QStringList TesserlyProcess::Result::errorLines() const
{
    QStringList lines = standardError.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

TesserlyProcess::Result TesserlyProcess::run(const QStringList& arguments, const QString& workingDirectory)
{
    // Without TESSERLY_BINARY, the build's binary beside the tests/ folder.
    const QString binary = qEnvironmentVariable("TESSERLY_BINARY",
        QFileInfo(QCoreApplication::applicationDirPath() + QStringLiteral("/../tesserly"))
            .canonicalFilePath());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // Proves the command needs no display and picks its platform by itself.
    for (const char* name : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM" }) {
        environment.remove(QLatin1String(name));
    }
    // Leak reports of system libraries at exit would change the exit status of sanitized builds.
    const QString sanitizer = environment.value(QStringLiteral("ASAN_OPTIONS"));
    if (!sanitizer.contains(QStringLiteral("detect_leaks"))) {
        environment.insert(QStringLiteral("ASAN_OPTIONS"), sanitizer + QStringLiteral(":detect_leaks=0"));
    }
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(workingDirectory);
    process.start(binary, arguments);
    process.closeWriteChannel();
    Result result;
    if (!process.waitForFinished(300'000)) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << "could not run " << binary.toStdString() << " (set TESSERLY_BINARY)";
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.standardOutput = process.readAllStandardOutput();
    result.standardError = QString::fromUtf8(process.readAllStandardError());
    return result;
}

QByteArray RenderInFolder::readAll(const QString& name) const
{
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
