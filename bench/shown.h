#pragma once

// How the start-up programs tell bench/measure.py that their window is on screen.

#include <cstdio>
#include <cstdlib>

/// Says "shown" on standard output and ends the program at once, unless it is to stay running
/// (for the idle measurement).
inline void SayShown(bool stay)
{
    std::puts("shown");
    std::fflush(stdout);
    if (!stay)
        std::_Exit(0);
}
