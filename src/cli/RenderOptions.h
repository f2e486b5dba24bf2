#pragma once

#include "cli/SettingsOverrides.h"

#include <QString>
#include <QStringList>

// What `tesserly render ...` was asked to do, read from its arguments.
class RenderOptions
{
public:
    enum class Request { render, help, version };
    enum class OutputFormat { png, pdf, project, standardOutput };

    Request request = Request::render;
    QStringList inputs;
    QString output;
    OutputFormat outputFormat = OutputFormat::png;
    SettingsOverrides overrides;
    QStringList captions;

    // The single input is a project package rather than a list of images.
    bool readsProject() const;

    // The arguments that follow `render`. Throws CommandLineError for anything it cannot use.
    static RenderOptions parse(const QStringList& arguments);
    // Every long option parse() accepts, so the help text can be checked for completeness.
    static QStringList optionNames();
    static bool isProjectPath(const QString& path);
};
