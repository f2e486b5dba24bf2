#include "TesserlyProcess.h"

#include "support/TestImages.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
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

QJsonObject RenderInFolder::manifestOf(const QString& package) const
{
    return QJsonDocument::fromJson(readAll(package + QStringLiteral("/manifest.json"))).object();
}

QStringList RenderInFolder::writeImages(int count) const
{
    QStringList names;
    for (int index = 1; index <= count; ++index) {
        names << QStringLiteral("image%1.png").arg(index, 2, 10, QLatin1Char('0'));
        TestImages::writeFile(folder, names.last(),
            TestImages::png(
                QSize(24 + index * 8, 16 + index % 3 * 12), QColor::fromHsv(index * 5, 200, 200)));
    }
    return names;
}

QByteArray RenderInFolder::readAll(const QString& name) const
{
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
