#include "TesserlyProcess.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
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
    QString binary = qEnvironmentVariable("TESSERLY_BINARY");
    if (binary.isEmpty()) {
        // The build puts the suites in tests/ beside the binary.
        const QString besideTests = QCoreApplication::applicationDirPath() + QStringLiteral("/../tesserly");
        if (QFileInfo(besideTests).isExecutable()) {
            binary = QFileInfo(besideTests).canonicalFilePath();
        }
    }
    Result result;
    if (binary.isEmpty()) {
        ADD_FAILURE() << "TESSERLY_BINARY is not set; point it at the built tesserly binary";
        return result;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // Proves the command needs no display and picks its platform by itself.
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    // Leak reports of system libraries at exit would change the exit status of sanitized builds.
    const QString sanitizer = environment.value(QStringLiteral("ASAN_OPTIONS"));
    if (!sanitizer.contains(QStringLiteral("detect_leaks"))) {
        environment.insert(QStringLiteral("ASAN_OPTIONS"),
            sanitizer.isEmpty() ? QStringLiteral("detect_leaks=0")
                                : sanitizer + QStringLiteral(":detect_leaks=0"));
    }
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(workingDirectory);
    process.start(binary, arguments);
    if (!process.waitForStarted(30'000)) {
        ADD_FAILURE() << "could not start " << binary.toStdString();
        return result;
    }
    process.closeWriteChannel();
    if (!process.waitForFinished(300'000)) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << "tesserly did not finish";
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.standardOutput = process.readAllStandardOutput();
    result.standardError = QString::fromUtf8(process.readAllStandardError());
    return result;
}

TesserlyProcess::Result TesserlyProcess::render(const QStringList& arguments, const QString& workingDirectory)
{
    return run(QStringList { QStringLiteral("render") } + arguments, workingDirectory);
}
