#pragma once

// `tesserly render ...`, `tesserly --help` and `tesserly --version`; every other command line
// starts the application.
class CommandLine
{
public:
    static bool handles(int argc, char** argv);
    // The process's exit status.
    static int run(int argc, char** argv);
};
