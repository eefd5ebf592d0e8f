#include "timing.h"

#include <algorithm>
#include <cstdio>
#include <vector>

double MedianSeconds(const std::function<void()>& Work, int Repetitions) {
    LARGE_INTEGER frequency, start, stop;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> seconds;
    for (int i = 0; i < Repetitions; ++i) {
        QueryPerformanceCounter(&start);
        Work();
        QueryPerformanceCounter(&stop);
        seconds.push_back(double(stop.QuadPart - start.QuadPart) / double(frequency.QuadPart));
    }
    std::nth_element(seconds.begin(), seconds.begin() + seconds.size() / 2, seconds.end());
    return seconds[seconds.size() / 2];
}

void PrintFigure(const std::string& Name, double Value, const std::string& Unit) {
    std::printf("%s: %.3f %s\n", Name.c_str(), Value, Unit.c_str());
    std::fflush(stdout);
}

void PrintRatio(const std::string& Name, double Ratio, double Target) {
    std::printf("%s ratio: %.2f (target %g)\n", Name.c_str(), Ratio, Target);
    std::fflush(stdout);
}

QuietOutput::QuietOutput()
    : Previous(GetStdHandle(STD_OUTPUT_HANDLE)),
      File(CreateFileA("bench-diagnostics.txt", GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                       CREATE_ALWAYS, 0, nullptr)) {
    std::fflush(stdout);
    SetStdHandle(STD_OUTPUT_HANDLE, File);
}

QuietOutput::~QuietOutput() {
    SetStdHandle(STD_OUTPUT_HANDLE, Previous);
    CloseHandle(File);
}
