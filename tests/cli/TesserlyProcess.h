#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

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
    // `tesserly render` followed by `arguments`.
    static Result render(const QStringList& arguments, const QString& workingDirectory);
};
