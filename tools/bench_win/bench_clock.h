// What the Windows benchmarks share: the high-resolution clock, the best of a few rounds, and a folder of
// their own in the temporary folder.
#pragma once

#include <windows.h>

#include <algorithm>
#include <string>

namespace pwbench {

inline double Seconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The seconds one run takes.
template <typename F>
double Timed(F&& run)
{
    LARGE_INTEGER a, b;
    QueryPerformanceCounter(&a);
    run();
    QueryPerformanceCounter(&b);
    return Seconds(a, b);
}

// The shortest of a few runs: the others met a busy machine.
template <typename F>
double Best(int rounds, F&& run)
{
    double best = 1e9;
    for (int round = 0; round < rounds; ++round) best = std::min(best, Timed(run));
    return best;
}

// "%TEMP%\name\", made when missing.
inline std::string BenchFolder(const std::string& name)
{
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + name + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

}  // namespace pwbench
