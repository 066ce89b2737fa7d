#include "PrintRun.h"

#include "PrinterError.h"

void RunPrint(TPrintTarget &target, const TPageCounterReader &readPageCounter,
              const TScoreKindReader &readScoreKind, int lineWidth)
{
    target.SetLineWidth(lineWidth);

    int pagesStarted = 0;
    do {
        ++pagesStarted;
        target.StartJob();

        const TScoreKind kind = readScoreKind();
        const std::int64_t width = target.PrintableWidth();
        const std::int64_t height = target.PrintableHeight();
        for (const TStaveLine &line : LayoutStavePage(kind, width, height))
            target.DrawLine(line.leftX, line.y, line.rightX);

        if (const auto refusal = target.FinishJob())
            throw EPrinter("Page " + std::to_string(pagesStarted) + " was not printed: " + *refusal);
        // A counter lowered below the pages already printed ends the run here
        // instead of letting it run on for ever.
    } while (pagesStarted < readPageCounter());
}
