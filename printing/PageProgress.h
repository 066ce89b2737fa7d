#pragma once

#include "ForwardingTarget.h"

#include <functional>

// Passes every operation on to a printer and tells, as each job starts,
// which page of the run it is; when the run is over, however it ended, it
// tells page 0.
class TPageProgress final : public TForwardingTarget {
public:
    using TPageStarted = std::function<void(int page)>;

    TPageProgress(TPrintTarget &printer, TPageStarted pageStarted);
    ~TPageProgress() override;
    TPageProgress(const TPageProgress &) = delete;
    TPageProgress &operator=(const TPageProgress &) = delete;

    void StartJob() override;

private:
    TPageStarted m_pageStarted;
    int m_page = 0;
};
