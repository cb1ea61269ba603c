#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

class Storage;

// Work that is due now and then rather than on a request: deleting accounts
// whose 30 days have passed and invitations that expired. Each pass is safe
// while other server processes on the same database run theirs.
class Housekeeping
{
public:
    static constexpr std::chrono::hours Interval{1};

    explicit Housekeeping(Storage &storage);
    Housekeeping(const Housekeeping &) = delete;
    Housekeeping &operator=(const Housekeeping &) = delete;
    ~Housekeeping();

    // One pass on the calling thread.
    void runOnce();
    // A pass every hour on a thread of its own until stop().
    void start();
    void stop();

private:
    Storage &m_storage;
    std::thread m_thread;
    std::mutex m_lock;
    std::condition_variable m_wake;
    bool m_stopping = false;
};
