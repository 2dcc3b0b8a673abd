#pragma once

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <string>

// A pseudo-terminal pair; its slave stands in for a serial device.
class Pty
{
public:
    Pty()
    {
        m_master = posix_openpt(O_RDWR | O_NOCTTY);
        if (m_master >= 0 && grantpt(m_master) == 0 && unlockpt(m_master) == 0)
            m_slaveName = ptsname(m_master);
    }
    ~Pty() { CloseMaster(); }
    Pty(const Pty &) = delete;
    Pty &operator=(const Pty &) = delete;

    const std::string &SlaveName() const { return m_slaveName; }
    int Master() const { return m_master; }
    void CloseMaster()
    {
        if (m_master >= 0)
            close(m_master);
        m_master = -1;
    }

private:
    int m_master = -1;
    std::string m_slaveName;
};
