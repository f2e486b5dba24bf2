#pragma once

class TesserlyApp
{
public:
    static int run(int argc, char** argv);
};
