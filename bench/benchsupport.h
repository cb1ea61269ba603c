#pragma once

#include "bench/datagenerator.h"

#include <QElapsedTimer>
#include <QString>

#include <functional>
#include <vector>

// Timing and data-set helpers shared by the storage and service benchmarks.
// The machine they run on is shared, so every figure is taken as CPU time
// of this process as well as wall time, and the median of several runs.
namespace Bench {

struct Timing
{
    double wallMs = 0;
    double cpuMs = 0;
};

double processCpuSeconds();
// CPU seconds (user and system) another process has used so far; 0 when
// it can't be read.
double processCpuSeconds(qint64 pid);
// Peak resident set of this process image so far, in MiB.
double peakRssMiB();

class Stopwatch
{
public:
    Stopwatch();
    Timing elapsed() const;

private:
    QElapsedTimer m_wall;
    double m_cpu = 0;
};

// Medians of CPU and wall time over the samples.
Timing median(std::vector<Timing> samples);

// Runs `ours` and `baseline` alternately `rounds` times each after one
// untimed warm-up of both; the median of each is kept.
struct Comparison
{
    Timing ours;
    Timing baseline;
};
Comparison compare(int rounds, const std::function<void()> &ours, const std::function<void()> &baseline);

// Prints ours, baseline and the CPU and wall ratios against `goal`; returns
// whether the CPU ratio meets it.
bool report(const char *name, const Comparison &result, double goal, const char *baselineName = "raw SQLite");

// The path of a generated database for these options in $TMPDIR (falling
// back to the system temporary folder), generated on first use and reused
// by later runs with the same options. Empty, with a message on standard
// error, when generation fails.
QString cachedDataSet(const DataGeneratorOptions &options);

} // namespace Bench
