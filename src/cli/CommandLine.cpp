#include "cli/CommandLine.h"

#include <cstring>

bool CommandLine::handles(int argc, char** argv)
{
    return argc > 1 && std::strcmp(argv[1], "render") == 0;
}

int CommandLine::run(int, char**)
{
    return 2;
}
