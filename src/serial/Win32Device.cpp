// The Windows backend: the communication functions on a device opened by
// name, with overlapped event waits.
#ifndef _WIN32_WINNT
#define _WIN32_WINNT 0x0601 // CancelIoEx
#endif
#include "Win32Device.h"

#include "PortScan.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <vector>

namespace rundaro::serial {

namespace {

class Win32Device final : public Device
{
public:
    Win32Device(HANDLE handle, HANDLE shutdown, HANDLE waitEvent)
        : m_handle(handle)
        , m_shutdown(shutdown)
    {
        m_overlapped.hEvent = waitEvent;
    }

    ~Win32Device() override
    {
        if (m_started)
            AbortWait(); // a wait left by its time limit still writes here
        CloseHandle(m_overlapped.hEvent);
        CloseHandle(m_shutdown);
        CloseHandle(m_handle);
    }

    bool SetState(const DeviceControlBlock &block) override
    {
        DCB dcb = {};
        dcb.DCBlength = sizeof(DCB);
        dcb.BaudRate = block.BaudRate;
        dcb.fBinary = (block.Flags & DCB_BINARY) != 0;
        dcb.fParity = (block.Flags & DCB_PARITY) != 0;
        dcb.fOutxCtsFlow = (block.Flags & DCB_OUTX_CTS_FLOW) != 0;
        dcb.fDtrControl = (block.Flags & DCB_DTR_CONTROL_ENABLE) ? DTR_CONTROL_ENABLE : DTR_CONTROL_DISABLE;
        dcb.fOutX = (block.Flags & DCB_OUTX) != 0;
        dcb.fInX = (block.Flags & DCB_INX) != 0;
        dcb.fRtsControl = (block.Flags & DCB_RTS_CONTROL_HANDSHAKE) ? RTS_CONTROL_HANDSHAKE
            : (block.Flags & DCB_RTS_CONTROL_ENABLE)                ? RTS_CONTROL_ENABLE
                                                                    : RTS_CONTROL_DISABLE;
        dcb.XonLim = block.XonLim;
        dcb.XoffLim = block.XoffLim;
        dcb.ByteSize = block.ByteSize;
        dcb.Parity = block.Parity;
        dcb.StopBits = block.StopBits;
        dcb.XonChar = block.XonChar;
        dcb.XoffChar = block.XoffChar;
        dcb.ErrorChar = block.ErrorChar;
        dcb.EofChar = block.EofChar;
        dcb.EvtChar = block.EvtChar;
        return Check(SetCommState(m_handle, &dcb));
    }

    bool GetTimeouts(CommTimeouts &timeouts) override
    {
        COMMTIMEOUTS t = {};
        if (!GetCommTimeouts(m_handle, &t))
            return Check(FALSE);
        timeouts = {t.ReadIntervalTimeout, t.ReadTotalTimeoutMultiplier, t.ReadTotalTimeoutConstant,
                    t.WriteTotalTimeoutMultiplier, t.WriteTotalTimeoutConstant};
        return true;
    }

    bool SetTimeouts(const CommTimeouts &timeouts) override
    {
        COMMTIMEOUTS t
            = {timeouts.ReadIntervalTimeout, timeouts.ReadTotalTimeoutMultiplier, timeouts.ReadTotalTimeoutConstant,
               timeouts.WriteTotalTimeoutMultiplier, timeouts.WriteTotalTimeoutConstant};
        return Check(SetCommTimeouts(m_handle, &t));
    }

    bool SetupQueues(std::int32_t receiveSize, std::int32_t transmitSize) override
    {
        return Check(SetupComm(m_handle, static_cast<DWORD>(receiveSize), static_cast<DWORD>(transmitSize)));
    }

    bool SetMask(std::uint32_t mask) override { return Check(SetCommMask(m_handle, mask)); }

    WaitResult WaitEvents(std::uint32_t &events) override
    {
        bool pending = false;
        return WaitEventsFor(events, -1, pending);
    }

    // A wait whose time limit passed stays started: the next call waits on
    // for the same completion, so no event falls between two waits.
    WaitResult WaitEventsFor(std::uint32_t &events, std::int32_t timeoutMs, bool &pending) override
    {
        pending = false;
        if (WaitForSingleObject(m_shutdown, 0) == WAIT_OBJECT_0) {
            if (m_started)
                AbortWait();
            return WaitResult::Cancelled;
        }
        if (!m_started) {
            ResetEvent(m_overlapped.hEvent);
            if (WaitCommEvent(m_handle, &m_eventMask, &m_overlapped)) {
                // Completed at once: the events were there before the wait.
                pending = true;
                SetEvent(m_overlapped.hEvent);
            } else {
                const DWORD error = GetLastError();
                // Not started (an empty mask, a device that has gone): the
                // event may still be signalled from before, so waiting would
                // spin.
                if (error != ERROR_IO_PENDING)
                    return Failed(error);
            }
            m_started = true;
        }
        const HANDLE objects[2] = {m_shutdown, m_overlapped.hEvent};
        m_pending = true;
        const DWORD result
            = WaitForMultipleObjects(2, objects, FALSE, timeoutMs < 0 ? INFINITE : static_cast<DWORD>(timeoutMs));
        m_pending = false;
        if (result == WAIT_TIMEOUT)
            return WaitResult::TimedOut;
        m_started = false;
        if (result == WAIT_OBJECT_0) {
            AbortWait();
            return WaitResult::Cancelled;
        }
        if (result != WAIT_OBJECT_0 + 1) {
            const DWORD error = GetLastError();
            AbortWait();
            return Failed(error);
        }
        DWORD bytes = 0;
        if (!GetOverlappedResult(m_handle, &m_overlapped, &bytes, FALSE)) {
            m_lastError = GetLastError();
            return WaitResult::Dropped;
        }
        // A wait that completes reporting no event at all (some drivers do
        // when their device goes) is a failed one: taken as events, the
        // worker would wait again at once, and again.
        if (m_eventMask == 0) {
            m_lastError = ERROR_GEN_FAILURE;
            return WaitResult::Dropped;
        }
        events = m_eventMask;
        return WaitResult::Events;
    }

    void CancelWait() override { SetEvent(m_shutdown); }

    bool ModemStatus(std::uint32_t &status) override
    {
        DWORD word = 0;
        if (!GetCommModemStatus(m_handle, &word))
            return Check(FALSE);
        status = word;
        return true;
    }

    bool ClearErrors(std::uint32_t &errors, std::uint32_t &inQue) override
    {
        DWORD flags = 0;
        COMSTAT status = {};
        if (!ClearCommError(m_handle, &flags, &status))
            return Check(FALSE);
        errors = flags;
        inQue = status.cbInQue;
        return true;
    }

    bool Purge(std::uint32_t flags) override { return Check(PurgeComm(m_handle, flags)); }

    std::uint32_t LastError() const override { return m_lastError; }

    HANDLE Handle() const { return m_handle; }
    bool WaitPending() const { return m_pending; }

private:
    // The system writes the event mask and the record when a pending wait
    // ends, so a wait left behind is ended and waited for before either may
    // go away. A new event mask ends a pending wait at once; some drivers do
    // not end one on a cancel alone.
    void AbortWait()
    {
        SetCommMask(m_handle, 0);
        CancelIoEx(m_handle, &m_overlapped);
        DWORD bytes = 0;
        GetOverlappedResult(m_handle, &m_overlapped, &bytes, TRUE);
    }

    bool Check(BOOL ok)
    {
        if (!ok)
            m_lastError = GetLastError();
        return ok != FALSE;
    }

    WaitResult Failed(DWORD error)
    {
        m_lastError = error;
        return WaitResult::Failed;
    }

    HANDLE m_handle;
    HANDLE m_shutdown;
    OVERLAPPED m_overlapped = {};
    DWORD m_eventMask = 0;
    std::atomic<std::uint32_t> m_lastError{0};
    std::atomic<bool> m_pending{false};
    bool m_started = false; // a wait is started and not yet completed
};

} // namespace

void *Win32Handle(Device &device)
{
    const auto *win32 = dynamic_cast<const Win32Device *>(&device);
    return win32 ? win32->Handle() : nullptr;
}

bool Win32WaitPending(const Device &device)
{
    const auto *win32 = dynamic_cast<const Win32Device *>(&device);
    return win32 && win32->WaitPending();
}

std::string PortDeviceName(std::uint8_t port)
{
    const std::string name = "COM" + std::to_string(port);
    return port > 9 ? "\\\\.\\" + name : name;
}

std::vector<std::uint8_t> ListPorts(const PortFolders &)
{
    // The system's list of serial ports: one value per port, its data the
    // port's name ("COM3"). Nothing is opened.
    std::vector<std::uint8_t> ports;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key) != ERROR_SUCCESS)
        return ports;
    for (DWORD index = 0;; ++index) {
        char name[256];
        DWORD nameLength = sizeof name;
        char data[64] = {};
        DWORD dataLength = sizeof data - 1;
        DWORD type = 0;
        const LONG result
            = RegEnumValueA(key, index, name, &nameLength, nullptr, &type, reinterpret_cast<BYTE *>(data), &dataLength);
        if (result == ERROR_NO_MORE_ITEMS)
            break;
        if (result != ERROR_SUCCESS || type != REG_SZ)
            continue;
        const std::uint8_t port = PortNumberOf(data);
        if (port != 0)
            ports.push_back(port);
    }
    RegCloseKey(key);
    std::sort(ports.begin(), ports.end());
    ports.erase(std::unique(ports.begin(), ports.end()), ports.end());
    return ports;
}

std::string PortIdentity(std::uint8_t, const PortFolders &)
{
    return {};
}

OpenResult OpenPort(std::uint8_t port)
{
    const std::string name = PortDeviceName(port);
    const HANDLE handle = CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_OVERLAPPED, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return {nullptr, GetLastError()};
    // Shutdown: manual reset, not signalled; wait record: manual reset,
    // signalled.
    const HANDLE shutdown = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    const HANDLE waitEvent = CreateEventA(nullptr, TRUE, TRUE, nullptr);
    if (shutdown == nullptr || waitEvent == nullptr) {
        const DWORD error = GetLastError();
        if (shutdown != nullptr)
            CloseHandle(shutdown);
        if (waitEvent != nullptr)
            CloseHandle(waitEvent);
        CloseHandle(handle);
        return {nullptr, error};
    }
    return {std::make_unique<Win32Device>(handle, shutdown, waitEvent), 0};
}

} // namespace rundaro::serial
