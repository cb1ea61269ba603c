#pragma once

#include <functional>

// What the shell asks of the sync engine: when it may sync, and when to.
class SyncControl
{
public:
    virtual ~SyncControl() = default;
    virtual void setCanSync(std::function<bool()> predicate) = 0;
    virtual void startAutoSync(int intervalMs) = 0;
    virtual void scheduleSync() = 0;
    virtual void stopAutoSync() = 0;
};
