#pragma once

#include <QString>
#include <QStringList>

// The bash completion of `tesserly` and `tesserly render`, made from the help text's option
// table: every option, the choices an option lists ("square|landscape|..."), and files by
// extension for the inputs and for -o.
class ShellCompletion
{
public:
    // The file name extensions completed for INPUT (images and projects) and for OUTPUT.
    static QStringList inputExtensions();
    static QStringList outputExtensions();

    static QString bash(const QString& helpText);
};
