#pragma once

#include "StavePageLayout.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

// The printer operations a print run needs, in the order a page uses them.
class TPrintTarget {
public:
    virtual ~TPrintTarget() = default;

    // Thickness in device pixels of every line drawn from now on.
    virtual void SetLineWidth(int pixels) = 0;
    // Opens a new print job, with an empty document name, and its one page.
    virtual void StartJob() = 0;
    // The page's printable area in device pixels.
    virtual std::int64_t PrintableWidth() = 0;
    virtual std::int64_t PrintableHeight() = 0;
    // One solid black horizontal line from x1 to x2 at y.
    virtual void DrawLine(std::int64_t x1, std::int64_t y, std::int64_t x2) = 0;
    // Ends the page and the job and hands it to the print system. Returns the
    // print system's reason when it refused the job, nothing when it took it.
    virtual std::optional<std::string> FinishJob() = 0;
};

using TPageCounterReader = std::function<int()>;
using TScoreKindReader = std::function<TScoreKind()>;

// Prints pages, each as a job of its own, until the pages started reach the
// page counter. The counter is read after each page and the kind at the
// start of each page, so changes made while the run goes on apply to the
// pages not yet started. A job the print system refuses ends the run with
// an EPrinter naming the page; the pages before it stay printed.
void RunPrint(TPrintTarget &target, const TPageCounterReader &readPageCounter,
              const TScoreKindReader &readScoreKind, int lineWidth);
