#include "tests/support/fulldisk.h"

#include <csignal>

namespace testsupport {

FullDisk::FullDisk(rlim_t bytesLeft)
{
    // A write past the file-size limit raises SIGXFSZ, which would end the process; ignored, the
    // write fails with EFBIG instead, as a write to a full disk fails with ENOSPC.
    m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &m_previousLimit);
    rlimit limit = m_previousLimit;
    limit.rlim_cur = bytesLeft;
    setrlimit(RLIMIT_FSIZE, &limit);
}

FullDisk::~FullDisk()
{
    setrlimit(RLIMIT_FSIZE, &m_previousLimit);
    std::signal(SIGXFSZ, m_previousHandler);
}

} // namespace testsupport
