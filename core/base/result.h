#pragma once

#include <string>
#include <utility>
#include <variant>

#include "core/base/error.h"

namespace quorix {

template <class T> class [[nodiscard]] Result {
public:
    Result(T value)
        : m_v(std::move(value)) {}
    Result(Error error)
        : m_v(std::move(error)) {}

    bool ok() const { return m_v.index() == 0; }
    explicit operator bool() const { return ok(); }
    T &value() { return std::get<0>(m_v); }
    const T &value() const { return std::get<0>(m_v); }
    T &operator*() { return value(); }
    const T &operator*() const { return value(); }
    T *operator->() { return &value(); }
    const T *operator->() const { return &value(); }
    const Error &error() const { return std::get<1>(m_v); }

private:
    std::variant<T, Error> m_v;
};

template <> class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Error error)
        : m_error(std::move(error))
        , m_ok(false) {}

    bool ok() const { return m_ok; }
    explicit operator bool() const { return m_ok; }
    const Error &error() const { return m_error; }

private:
    Error m_error;
    bool m_ok = true;
};

inline Error ioError(std::string message) {
    return {Error::Code::Io, std::move(message)};
}
inline Error badInput(std::string message) {
    return {Error::Code::BadInput, std::move(message)};
}

} // namespace quorix
