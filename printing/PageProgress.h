#pragma once

#include "PrintRun.h"

#include <functional>

// Passes every operation on to a printer and tells, as each job starts,
// which page of the run it is; when the run is over, however it ended, it
// tells page 0.
class TPageProgress final : public TPrintTarget {
public:
    using TPageStarted = std::function<void(int page)>;

    TPageProgress(TPrintTarget &printer, TPageStarted pageStarted);
    ~TPageProgress() override;
    TPageProgress(const TPageProgress &) = delete;
    TPageProgress &operator=(const TPageProgress &) = delete;

    void SetLineWidth(int pixels) override;
    void StartJob() override;
    std::int64_t PrintableWidth() override;
    std::int64_t PrintableHeight() override;
    void DrawLine(std::int64_t x1, std::int64_t y, std::int64_t x2) override;
    std::optional<std::string> FinishJob() override;

private:
    TPrintTarget &m_printer;
    TPageStarted m_pageStarted;
    int m_page = 0;
};
