#include "timing.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double Seconds(const std::function<void()>& Work) {
    LARGE_INTEGER frequency, start, stop;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    Work();
    QueryPerformanceCounter(&stop);
    return double(stop.QuadPart - start.QuadPart) / double(frequency.QuadPart);
}

double Median(std::vector<double> Values) {
    std::nth_element(Values.begin(), Values.begin() + Values.size() / 2, Values.end());
    return Values[Values.size() / 2];
}

} // namespace

double MedianSeconds(const std::function<void()>& Work, int Repetitions) {
    return MedianSeconds(std::vector<std::function<void()>>{Work}, Repetitions)[0];
}

std::vector<double> MedianSeconds(const std::vector<std::function<void()>>& Works,
                                  int Repetitions) {
    std::vector<std::vector<double>> seconds(Works.size());
    for (int i = 0; i < Repetitions; ++i)
        for (size_t work = 0; work < Works.size(); ++work)
            seconds[work].push_back(Seconds(Works[work]));
    std::vector<double> medians;
    for (const auto& runs : seconds)
        medians.push_back(Median(runs));
    return medians;
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
