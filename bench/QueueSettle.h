#pragma once

#include <QString>

class PrivateCupsd;

// Waits until `count` jobs of the queue have reached its backend and none
// is left pending, then has the scheduler forget every job of the queue:
// it rewrites its record of all the jobs it remembers on each change, so a
// history left by one phase would slow the next.
[[nodiscard]] bool SettleQueue(const PrivateCupsd &cupsd, const QString &queue, int count);
