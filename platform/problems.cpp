#include "platform/problems.h"

#include <QDebug>

namespace platform {
namespace {

ProblemReporter& installedReporter()
{
    static ProblemReporter reporter;
    return reporter;
}

} // namespace

void setProblemReporter(ProblemReporter reporter)
{
    installedReporter() = std::move(reporter);
}

void reportProblem(const QString& message)
{
    if (installedReporter())
        installedReporter()(message);
    else
        qWarning().noquote() << message;
}

} // namespace platform
