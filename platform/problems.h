// A channel for failures found below the UI (a damaged settings hive, say) that the user must hear of.
#pragma once

#include <QString>
#include <functional>

namespace platform {

using ProblemReporter = std::function<void(const QString& message)>;

// The programs install a reporter that shows a message box; until then problems go to qWarning.
void setProblemReporter(ProblemReporter reporter);
void reportProblem(const QString& message);

} // namespace platform
