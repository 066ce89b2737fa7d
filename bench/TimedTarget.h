#pragma once

#include "ForwardingTarget.h"

#include <QElapsedTimer>

#include <functional>
#include <vector>

// Passes every call on to the real printer and notes how long each page
// took, from opening its job to the job handed to the print system.
class TTimedTarget final : public TForwardingTarget {
public:
    // Called after each page with the number of pages done, outside the
    // page's own time.
    using TAfterPage = std::function<void(int pagesDone)>;

    TTimedTarget(TPrintTarget &printer, TAfterPage afterPage);

    const std::vector<double> &PageMs() const { return m_pageMs; }

    void StartJob() override;
    std::optional<std::string> FinishJob() override;

private:
    TAfterPage m_afterPage;
    QElapsedTimer m_page;
    std::vector<double> m_pageMs;
};
