#pragma once

#include "SerialDevice.h"

// What the Windows backend shows beyond the device interface, for tests that
// read a port's state back with the communication functions themselves.
namespace rundaro::serial {

// The device's HANDLE; null for a device of another backend.
void *Win32Handle(Device &device);

// True from the moment a wait for port events has been started at the
// device until it has ended.
bool Win32WaitPending(const Device &device);

} // namespace rundaro::serial
