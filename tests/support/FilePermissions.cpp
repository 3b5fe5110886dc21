#include "support/FilePermissions.h"

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QtGlobal>

namespace {

struct Capabilities
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3] = {};

    bool get() { return syscall(SYS_capget, &header, data) == 0; }
    bool set() { return syscall(SYS_capset, &header, data) == 0; }
};

constexpr unsigned kOverrides = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER);

}

FilePermissionsHold::FilePermissionsHold()
{
    Capabilities caps;
    if (!caps.get())
        return;
    m_effective = caps.data[0].effective;
    if (!(caps.data[0].effective & kOverrides)) {
        m_holds = true; // nothing passes over the permissions
        return;
    }
    caps.data[0].effective &= ~kOverrides;
    m_dropped = caps.set();
    m_holds = m_dropped;
}

FilePermissionsHold::~FilePermissionsHold()
{
    if (!m_dropped)
        return;
    Capabilities caps;
    caps.get();
    caps.data[0].effective = m_effective;
    if (!caps.set())
        qFatal("capset failed: cannot restore the capabilities");
}
