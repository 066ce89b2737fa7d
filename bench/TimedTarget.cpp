#include "TimedTarget.h"

#include <utility>

TTimedTarget::TTimedTarget(TPrintTarget &printer, TAfterPage afterPage)
    : TForwardingTarget(printer)
    , m_afterPage(std::move(afterPage))
{
}

void TTimedTarget::StartJob()
{
    m_page.start();
    TForwardingTarget::StartJob();
}

std::optional<std::string> TTimedTarget::FinishJob()
{
    auto refusal = TForwardingTarget::FinishJob();
    m_pageMs.push_back(m_page.nsecsElapsed() / 1e6);
    m_afterPage(int(m_pageMs.size()));
    return refusal;
}
