#pragma once

#include <stdexcept>
#include <string>

namespace rundaro {

// Base of every failure the program reports. What escapes a user-interface
// handler is shown by the application's general error report as a message
// box with what().
class Exception : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Misuse of a control (fixed English message).
class EInvalidOperation : public Exception
{
public:
    using Exception::Exception;
};

} // namespace rundaro
