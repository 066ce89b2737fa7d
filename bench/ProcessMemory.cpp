#include "ProcessMemory.h"

#include <fstream>
#include <string>

std::optional<long> PeakResidentKib()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmHWM:") {
            long kib = 0;
            if (status >> kib)
                return kib;
            return std::nullopt;
        }
        status.ignore(256, '\n');
    }
    return std::nullopt;
}
