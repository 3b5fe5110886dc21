#pragma once

#include <QTest>

// While it lives, file permissions hold for this thread even when it runs as root: the
// capabilities that pass over them leave its effective set, and come back at the end. A folder
// or file closed with chmod then refuses this thread as it refuses any user. Where the set
// cannot be changed, holds() is false and a test of permissions has nothing to prove.
class FilePermissionsHold
{
public:
    FilePermissionsHold();
    ~FilePermissionsHold();
    FilePermissionsHold(const FilePermissionsHold &) = delete;
    FilePermissionsHold &operator=(const FilePermissionsHold &) = delete;

    bool holds() const { return m_holds; }

private:
    unsigned m_effective = 0; // the first word of the set, where the overrides are
    bool m_dropped = false;
    bool m_holds = false;
};

// Skips the test where permissions cannot be made to hold (root that may not drop its overrides).
#define REQUIRE_PERMISSIONS_HOLD(hold)                                                                   \
    do {                                                                                                 \
        if (!(hold).holds())                                                                             \
            QSKIP("running as root: closed files and folders cannot be closed to this test");           \
    } while (false)
