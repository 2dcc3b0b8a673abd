#pragma once

#include "Errors.h"

#include <cstdint>
#include <string>

// The port component's two failures, raised by Open, each with the system's
// error number that its message ends with (or, where the system explained
// more, that precedes the explanation).
class EComError : public rundaro::Exception
{
public:
    explicit EComError(const std::string &message, std::uint32_t error = 0)
        : Exception(message)
        , m_error(error)
    {
    }
    std::uint32_t Error() const { return m_error; }

private:
    std::uint32_t m_error;
};

// The device cannot be opened.
class EComHandle : public EComError
{
public:
    using EComError::EComError;
};

// The device cannot be configured.
class EComState : public EComError
{
public:
    using EComError::EComError;
};
