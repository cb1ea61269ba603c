#pragma once

#include <QtGlobal>

// A small seeded pseudo-random source (SplitMix64) whose sequence depends on
// the seed alone, so generated data is identical on every platform and
// standard library. Not for anything that needs unpredictability.
class SeededRandom
{
public:
    explicit SeededRandom(quint64 seed);

    quint64 next();
    // Uniform in [0, bound); 0 when bound is 0. Rejection sampling keeps it
    // free of modulo bias.
    quint64 below(quint64 bound);
    // Uniform in [low, high], both inclusive; low when high < low.
    qint64 between(qint64 low, qint64 high);
    // True with the given chance in percent (0 to 100).
    bool chance(int percent);

private:
    quint64 m_state;
};
