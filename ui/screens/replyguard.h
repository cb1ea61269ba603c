#pragma once

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

// Lets the answer to a request reach a widget only while the widget still
// waits for it. An answer is dropped when its receiver has been destroyed,
// or when invalidate() was called after the request went out (the screen
// was closed; it asks anew when it opens again). Requests themselves are
// not cancelled: only what their answers would do.
class ReplyGuard
{
public:
    void invalidate() { ++*m_generation; }

    // `handler` wrapped so that it runs only under the conditions above.
    // The arguments are named explicitly: guard<const User &>(this, ...).
    template<typename... Args, typename Handler>
    std::function<void(Args...)> guard(QObject *receiver, Handler handler) const
    {
        return [receiver = QPointer<QObject>(receiver), counter = m_generation, generation = *m_generation,
                handler = std::move(handler)](Args... args) {
            if (receiver && *counter == generation)
                handler(std::forward<Args>(args)...);
        };
    }

private:
    // Shared with the wrapped handlers, so they can read it after the guard is gone.
    std::shared_ptr<quint64> m_generation = std::make_shared<quint64>(0);
};
