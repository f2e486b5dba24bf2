#pragma once

#include <QString>

// The texts `tesserly render --help` and usage errors print.
class RenderHelp
{
public:
    // The short reminder printed after a usage error.
    static QString usage();
    // Every option with its range and default.
    static QString text();
};
