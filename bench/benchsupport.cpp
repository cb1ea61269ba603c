#include "bench/benchsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace Bench {

double processCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

double processCpuSeconds(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return 0;
    return double(fields.at(11).toLongLong() + fields.at(12).toLongLong()) / double(sysconf(_SC_CLK_TCK));
}

double peakRssMiB()
{
    // VmHWM belongs to this process image alone. ru_maxrss is not enough in
    // a child started by QProcess: Linux carries the parent's peak across
    // fork and exec.
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("VmHWM:"))
                return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
        }
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;   // kilobytes on Linux
}

Stopwatch::Stopwatch()
{
    m_wall.start();
    m_cpu = processCpuSeconds();
}

Timing Stopwatch::elapsed() const
{
    return {m_wall.nsecsElapsed() / 1e6, (processCpuSeconds() - m_cpu) * 1e3};
}

Timing median(std::vector<Timing> samples)
{
    if (samples.empty())
        return {};
    const auto middle = [](std::vector<double> values) {
        std::sort(values.begin(), values.end());
        const size_t n = values.size();
        return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    };
    std::vector<double> wall;
    std::vector<double> cpu;
    for (const Timing &t : samples) {
        wall.push_back(t.wallMs);
        cpu.push_back(t.cpuMs);
    }
    return {middle(wall), middle(cpu)};
}

Comparison compare(int rounds, const std::function<void()> &ours, const std::function<void()> &baseline)
{
    ours();
    baseline();
    std::vector<Timing> a;
    std::vector<Timing> b;
    for (int i = 0; i < rounds; ++i) {
        {
            const Stopwatch watch;
            ours();
            a.push_back(watch.elapsed());
        }
        {
            const Stopwatch watch;
            baseline();
            b.push_back(watch.elapsed());
        }
    }
    return {median(a), median(b)};
}

bool report(const char *name, const Comparison &result, double goal, const char *baselineName)
{
    const double cpuRatio = result.baseline.cpuMs > 0 ? result.ours.cpuMs / result.baseline.cpuMs : 0;
    const double wallRatio = result.baseline.wallMs > 0 ? result.ours.wallMs / result.baseline.wallMs : 0;
    const bool ok = cpuRatio <= goal;
    std::printf("%s\n  ours       %9.1f ms CPU  %9.1f ms wall\n  %-10s %9.1f ms CPU  %9.1f ms wall\n"
                "  ratio      %9.2f CPU  %9.2f wall   (goal <= %.2f) %s\n",
                name, result.ours.cpuMs, result.ours.wallMs, baselineName, result.baseline.cpuMs,
                result.baseline.wallMs, cpuRatio, wallRatio, goal, ok ? "OK" : "MISSED");
    std::fflush(stdout);
    return ok;
}

QString cachedDataSet(const DataGeneratorOptions &options)
{
    QString folder = qEnvironmentVariable("TMPDIR");
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::tempPath();
    const QString name = QStringLiteral("quillby-bench-a%1-t%2-y%3-s%4-%5.db")
                             .arg(options.accounts)
                             .arg(options.transactions)
                             .arg(options.years)
                             .arg(options.seed)
                             .arg(options.today.toString(QStringLiteral("yyyyMMdd")));
    const QString path = QDir(folder).filePath(name);
    if (QFileInfo::exists(path))
        return path;
    // Generated under a temporary name and renamed once complete, so an
    // interrupted run never leaves a partial file to be reused.
    const QString partial = path + QStringLiteral(".part");
    QFile::remove(partial);
    std::fprintf(stderr, "generating %s ...\n", qPrintable(path));
    DataGenerator generator(options);
    if (!generator.generateFile(partial)) {
        std::fprintf(stderr, "data generation failed: %s\n", qPrintable(generator.errorText()));
        return QString();
    }
    if (!QFile::rename(partial, path))
        return QString();
    return path;
}

} // namespace Bench
