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

SideBySide CompareSideBySide(const std::function<void()>& Library,
                             const std::function<void()>& Baseline, int Rounds) {
    return CompareSideBySide(PreparedWork{[] {}, Library}, PreparedWork{[] {}, Baseline}, Rounds);
}

SideBySide CompareSideBySide(const PreparedWork& Library, const PreparedWork& Baseline,
                             int Rounds) {
    auto run = [](const PreparedWork& Side) {
        Side.Prepare();
        return Seconds(Side.Work);
    };
    std::vector<double> ratios, library, baseline;
    for (int i = 0; i < Rounds; ++i) {
        // Each side goes first in every other round, so a trend in the load favours neither.
        double first = run(i % 2 ? Baseline : Library);
        double second = run(i % 2 ? Library : Baseline);
        library.push_back(i % 2 ? second : first);
        baseline.push_back(i % 2 ? first : second);
        ratios.push_back(library.back() / baseline.back());
    }
    std::vector<double> sorted = ratios;
    std::sort(sorted.begin(), sorted.end());
    double median = Median(ratios);
    double quartiles = sorted[sorted.size() * 3 / 4] - sorted[sorted.size() / 4];
    return {median, quartiles / 2 / median, Median(library), Median(baseline)};
}

void PrintFigure(const std::string& Name, double Value, const std::string& Unit) {
    std::printf("%s: %.3f %s\n", Name.c_str(), Value, Unit.c_str());
    std::fflush(stdout);
}

void PrintRatio(const std::string& Name, double Ratio, double Target, double Spread) {
    if (Spread < 0)
        std::printf("%s ratio: %.2f (target %g)\n", Name.c_str(), Ratio, Target);
    else
        std::printf("%s ratio: %.3f (target %g, spread +-%.1f%%)\n", Name.c_str(), Ratio, Target,
                    Spread * 100);
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
