#pragma once

#include "Errors.h"
#include "OpenRefusal.h"

#include <cstdint>
#include <string>
#include <utility>

// The port component's two failures, raised by Open, each with the system's
// error number that its message ends with and, where the device layer knew
// more (who holds the port), the refusal: what the application tells the
// user in words, in the user's language.
class EComError : public rundaro::Exception
{
public:
    explicit EComError(const std::string &message, std::uint32_t error = 0, rundaro::serial::OpenRefusal refusal = {})
        : Exception(message)
        , m_error(error)
        , m_refusal(std::move(refusal))
    {
    }
    std::uint32_t Error() const { return m_error; }
    const rundaro::serial::OpenRefusal &Refusal() const { return m_refusal; }

private:
    std::uint32_t m_error;
    rundaro::serial::OpenRefusal m_refusal;
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
