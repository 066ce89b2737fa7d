#pragma once

#include <QString>

#include <optional>

// The few questions the printer asks the print system directly, where Qt
// does not pass the answer on.
namespace CupsQueue {

enum class Presence { Present, Missing, Unknown };

// Whether the print system knows the queue. Unknown when it could not be
// asked (the scheduler is down, say): the submission will then tell.
Presence LookUp(const QString &queue);

// The resolution the queue's driver declares as its default, if it declares one.
std::optional<int> DefaultResolutionDpi(const QString &queue);

// How many copies of a job the queue takes; 1 when it cannot be asked.
int MaximumCopies(const QString &queue);

// The print system's reason, without its closing full stop, when the last
// request on this thread failed.
std::optional<QString> LastRefusal();

}  // namespace CupsQueue
