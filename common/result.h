#pragma once

#include <QString>

#include <utility>
#include <variant>

namespace vantro {

// What kind of failure an error is. The window and the command-line tool each turn a kind into
// their own reaction (a message box, an exit status) in one place.
enum class ErrorKind
{
    Failed,     // a step failed: a write, a rename, a file that cannot be opened for writing
    Busy,       // another program holds the file's lock
    Stopped,    // the caller asked to stop (a signal)
    Refused,    // the input is not acceptable: a word, a FIFO where a file belongs, ...
    Unreadable, // an input file cannot be opened or read
};

// A failure: its kind and a whole message, which names what failed and why. The cause is the why
// alone in a few words ("No space left on device", "a FIFO (named pipe)"), where the failure has
// one, for a caller that tells in a sentence of its own what the failure means to it.
struct Error
{
    Error() = default;
    Error(ErrorKind kind, QString message, QString cause = {})
        : kind(kind), message(std::move(message)), cause(std::move(cause))
    {
    }

    ErrorKind kind = ErrorKind::Failed;
    QString message;
    QString cause;
};

// Either a value or an Error, as std::expected<T, Error> would hold it: the one shape in which
// results cross from one folder of the project to another.
template <typename T> class [[nodiscard]] Result
{
public:
    Result(T value) : m_state(std::in_place_index<0>, std::move(value)) {}
    Result(Error error) : m_state(std::in_place_index<1>, std::move(error)) {}

    bool hasValue() const { return m_state.index() == 0; }
    explicit operator bool() const { return hasValue(); }

    T &value() { return std::get<0>(m_state); }
    const T &value() const { return std::get<0>(m_state); }
    T &operator*() { return value(); }
    const T &operator*() const { return value(); }
    T *operator->() { return &value(); }
    const T *operator->() const { return &value(); }

    const Error &error() const { return std::get<1>(m_state); }
    ErrorKind kind() const { return error().kind; }
    const QString &message() const { return error().message; }

private:
    std::variant<T, Error> m_state;
};

// Success without a value, or an Error.
template <> class [[nodiscard]] Result<void>
{
public:
    Result() = default;
    Result(Error error) : m_error(std::move(error)), m_failed(true) {}

    bool hasValue() const { return !m_failed; }
    explicit operator bool() const { return hasValue(); }

    const Error &error() const { return m_error; }
    ErrorKind kind() const { return m_error.kind; }
    const QString &message() const { return m_error.message; }

private:
    Error m_error;
    bool m_failed = false;
};

} // namespace vantro
