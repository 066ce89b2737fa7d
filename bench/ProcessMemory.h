#pragma once

#include <optional>

// The most memory this process has held resident so far (VmHWM), in KiB;
// nothing when the kernel does not say.
std::optional<long> PeakResidentKib();
