#include "bench/seededrandom.h"

SeededRandom::SeededRandom(quint64 seed)
    : m_state(seed)
{
}

quint64 SeededRandom::next()
{
    m_state += 0x9e3779b97f4a7c15ULL;
    quint64 z = m_state;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

quint64 SeededRandom::below(quint64 bound)
{
    if (bound == 0)
        return 0;
    // Values under the threshold would make the low residues more likely.
    const quint64 threshold = (0 - bound) % bound;
    for (;;) {
        const quint64 value = next();
        if (value >= threshold)
            return value % bound;
    }
}

qint64 SeededRandom::between(qint64 low, qint64 high)
{
    if (high <= low)
        return low;
    const quint64 span = quint64(high) - quint64(low) + 1;
    return qint64(quint64(low) + below(span));
}

bool SeededRandom::chance(int percent)
{
    return below(100) < quint64(qMax(0, percent));
}
