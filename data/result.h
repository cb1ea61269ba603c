#pragma once

#include <QString>

#include <optional>
#include <utility>

// The outcome of an operation that can fail: its value, or the message a
// person can read about why it failed. Failures are returned, never thrown;
// the caller shows error() through the one place its screen reports errors.
template <typename T>
class Result
{
public:
    Result(T value)
        : m_value(std::move(value))
    {
    }
    static Result failure(const QString &message)
    {
        Result result;
        result.m_error = message;
        return result;
    }

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }
    const T &value() const { return *m_value; }
    T &value() { return *m_value; }
    const T *operator->() const { return &*m_value; }
    const QString &error() const { return m_error; }

private:
    Result() = default;

    std::optional<T> m_value;
    QString m_error;
};

template <>
class Result<void>
{
public:
    Result() = default;
    static Result failure(const QString &message)
    {
        Result result;
        result.m_failed = true;
        result.m_error = message;
        return result;
    }

    bool ok() const { return !m_failed; }
    explicit operator bool() const { return ok(); }
    const QString &error() const { return m_error; }

private:
    bool m_failed = false;
    QString m_error;
};
