#pragma once

#include <gtest/gtest.h>
#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// The built `tesserly` binary (TESSERLY_BINARY), run as its own process with no display at all.
class TesserlyProcess
{
public:
    struct Result
    {
        int exitCode = -1;
        QByteArray standardOutput;
        QString standardError;
        // Standard error split into lines, without the final empty one.
        QStringList errorLines() const;
    };

    static Result run(const QStringList& arguments, const QString& workingDirectory);
};

// Runs `tesserly render` in a fresh folder of its own.
class RenderInFolder : public ::testing::Test
{
protected:
    TesserlyProcess::Result render(const QStringList& arguments) const
    {
        return TesserlyProcess::run(QStringList { QStringLiteral("render") } + arguments, folder.path());
    }
    QString path(const QString& name) const { return folder.filePath(name); }
    // The file's bytes, or none if it cannot be read.
    QByteArray readAll(const QString& name) const;
    QJsonObject manifestOf(const QString& package) const;
    // image01.png, image02.png, ...: small PNGs of different sizes and colours.
    QStringList writeImages(int count) const;

    QTemporaryDir folder;
};
