// Side-by-side timing for the benchmarks: medians of repeated runs, printed one figure a line.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// The median, over Repetitions runs, of the seconds Work takes.
double MedianSeconds(const std::function<void()>& Work, int Repetitions = 7);
// The same for each of Works, their runs taken in turn, so that a burst of load on a shared
// machine falls on every side of a comparison alike.
std::vector<double> MedianSeconds(const std::vector<std::function<void()>>& Works, int Repetitions);

// Library's time over Baseline's, the two timed back to back in each of Rounds rounds (in turns
// of order): the median of the rounds' ratios and its spread, half the interquartile range of
// those ratios over the median, with each side's median seconds.
struct SideBySide {
    double Ratio, Spread, Library, Baseline;
};
SideBySide CompareSideBySide(const std::function<void()>& Library,
                             const std::function<void()>& Baseline, int Rounds);
// The same for work that needs a state to start from: each side's Prepare runs untimed before
// each of its runs.
struct PreparedWork {
    std::function<void()> Prepare, Work;
};
SideBySide CompareSideBySide(const PreparedWork& Library, const PreparedWork& Baseline, int Rounds);

// "name: value unit"
void PrintFigure(const std::string& Name, double Value, const std::string& Unit);
// "name ratio: X (target Y)", or with a spread "name ratio: X (target Y, spread +-Z%)"
void PrintRatio(const std::string& Name, double Ratio, double Target, double Spread = -1);

// While alive, standard output goes to a file, so that the library's diagnostic lines do not
// cost console time inside a measurement.
class QuietOutput {
public:
    QuietOutput();
    ~QuietOutput();
    QuietOutput(const QuietOutput&) = delete;
    QuietOutput& operator=(const QuietOutput&) = delete;

private:
    HANDLE Previous;
    HANDLE File;
};

// The benchmark families.
void BenchDispatch();
void BenchCreation();
void BenchEventPath();
void BenchAlignment();
void BenchStringList();
