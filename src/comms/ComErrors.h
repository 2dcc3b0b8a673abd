#pragma once

#include "Errors.h"

// The port component's two failures, raised by Open.

// The device cannot be opened.
class EComHandle : public rundaro::Exception
{
public:
    using Exception::Exception;
};

// The device cannot be configured.
class EComState : public rundaro::Exception
{
public:
    using Exception::Exception;
};
