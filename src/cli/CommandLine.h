#pragma once

// `tesserly render ...`, `tesserly --help` and `tesserly --version`.
class CommandLine
{
public:
    static bool handles(int argc, char** argv);
    static int run(int argc, char** argv);
};
