#include "SoundServer.h"

#include <QString>
#include <QtGlobal>

#ifdef Q_OS_LINUX
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool isSocket(const std::string &path)
{
    struct stat info
    {
    };
    return !path.empty() && stat(path.c_str(), &info) == 0 && S_ISSOCK(info.st_mode);
}

std::string fromEnvironment(const char *name)
{
    return qEnvironmentVariable(name).toStdString();
}

} // namespace

bool SoundServerPresent()
{
    // A server named by the user (a socket, or one on another host): the
    // library is left to reach it.
    if (!qEnvironmentVariableIsEmpty("PULSE_SERVER"))
        return true;
    const std::string runtime = fromEnvironment("PULSE_RUNTIME_PATH");
    const std::string user = fromEnvironment("XDG_RUNTIME_DIR");
    const std::string candidates[] = {
        runtime.empty() ? std::string() : runtime + "/native",
        user.empty() ? std::string() : user + "/pulse/native",
        "/run/user/" + std::to_string(getuid()) + "/pulse/native",
        "/run/pulse/native",
        "/var/run/pulse/native",
    };
    for (const std::string &path : candidates) {
        if (isSocket(path))
            return true;
    }
    return false;
}

#else

bool SoundServerPresent()
{
    return true;
}

#endif
