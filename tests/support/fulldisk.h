// While a FullDisk lives, no file of this process can grow past the bytes left: a write beyond them
// fails as it would on a full disk, so tests can check that a failed save keeps the old file and is
// reported. With a few bytes left, a write of more is cut short first, as a disk that fills midway.
#pragma once

#include <sys/resource.h>

namespace testsupport {

class FullDisk
{
public:
    explicit FullDisk(rlim_t bytesLeft = 0);
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit m_previousLimit{};
    void (*m_previousHandler)(int) = nullptr;
};

} // namespace testsupport
