#pragma once

#include "cli/RenderOptions.h"

#include <QTextStream>

// Carries out one parsed `tesserly render`: builds the board, then writes the PNG, PDF or
// project with the window's own renderer and project writer.
class RenderCommand
{
public:
    enum ExitStatus : int {
        written = 0,
        failed = 1,
        usageError = 2,
        writtenWithRefusals = 3,
    };

    // `outputDescriptor` receives the PNG of `-o -`; `standardError` the refusal lines, then
    // the error. Needs a QGuiApplication (fonts); never shows a window.
    static int run(const RenderOptions& options, int outputDescriptor, QTextStream& standardError);

private:
    static void checkInputsSurvive(const RenderOptions& options);
};
