#pragma once

#include <QString>

#include <functional>

namespace OrlUpdate {

// How the update functions report progress, usually in a status bar. An
// empty callable is skipped.
struct StatusCallbacks
{
    std::function<void(const QString &text)> showProgress;
    std::function<void()> hideProgress;
    std::function<void(const QString &text, int milliseconds)> showMessage;
};

} // namespace OrlUpdate
