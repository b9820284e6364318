// While a FullDisk lives, no file of this process can grow: every write to a file fails as it
// would on a full disk, so tests can check that a failed save keeps the old file and is reported.
#pragma once

#include <sys/resource.h>

namespace testsupport {

class FullDisk
{
public:
    FullDisk();
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit m_previousLimit{};
    void (*m_previousHandler)(int) = nullptr;
};

} // namespace testsupport
