#include "TimedTarget.h"

#include <utility>

TTimedTarget::TTimedTarget(TPrintTarget &printer, TAfterPage afterPage)
    : m_printer(printer)
    , m_afterPage(std::move(afterPage))
{
}

void TTimedTarget::SetLineWidth(int pixels)
{
    m_printer.SetLineWidth(pixels);
}

void TTimedTarget::StartJob()
{
    m_page.start();
    m_printer.StartJob();
}

std::int64_t TTimedTarget::PrintableWidth()
{
    return m_printer.PrintableWidth();
}

std::int64_t TTimedTarget::PrintableHeight()
{
    return m_printer.PrintableHeight();
}

void TTimedTarget::DrawLine(std::int64_t x1, std::int64_t y, std::int64_t x2)
{
    m_printer.DrawLine(x1, y, x2);
}

std::optional<std::string> TTimedTarget::FinishJob()
{
    auto refusal = m_printer.FinishJob();
    m_pageMs.push_back(m_page.nsecsElapsed() / 1e6);
    m_afterPage(int(m_pageMs.size()));
    return refusal;
}
