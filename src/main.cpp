#include "app/TesserlyApp.h"
#include "cli/CommandLine.h"

int main(int argc, char** argv)
{
    // `tesserly render`, `--help` and `--version` never create a window or need a display.
    if (CommandLine::handles(argc, argv)) {
        return CommandLine::run(argc, argv);
    }
    return TesserlyApp::run(argc, argv);
}
