#pragma once

#include "PosixDevice.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <memory>
#include <string>

// A pseudo-terminal whose slave stands in for a serial device, opened through
// the POSIX backend; `driver` gives it modem lines.
class BenchPty
{
public:
    BenchPty()
    {
        m_master = posix_openpt(O_RDWR | O_NOCTTY);
        if (m_master >= 0 && grantpt(m_master) == 0 && unlockpt(m_master) == 0)
            m_slave = ptsname(m_master);
    }
    ~BenchPty()
    {
        if (m_master >= 0)
            close(m_master);
    }
    BenchPty(const BenchPty &) = delete;
    BenchPty &operator=(const BenchPty &) = delete;

    const std::string &SlaveName() const { return m_slave; }

    rundaro::serial::DeviceFactory Factory(std::shared_ptr<rundaro::serial::LineDriver> driver = nullptr) const
    {
        return [path = m_slave, driver](std::uint8_t) { return rundaro::serial::OpenPath(path, driver); };
    }

private:
    int m_master = -1;
    std::string m_slave;
};
