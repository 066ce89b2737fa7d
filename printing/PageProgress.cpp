#include "PageProgress.h"

#include <utility>

TPageProgress::TPageProgress(TPrintTarget &printer, TPageStarted pageStarted)
    : m_printer(printer)
    , m_pageStarted(std::move(pageStarted))
{
}

TPageProgress::~TPageProgress()
{
    m_pageStarted(0);
}

void TPageProgress::SetLineWidth(int pixels)
{
    m_printer.SetLineWidth(pixels);
}

void TPageProgress::StartJob()
{
    m_printer.StartJob();
    m_pageStarted(++m_page);
}

std::int64_t TPageProgress::PrintableWidth()
{
    return m_printer.PrintableWidth();
}

std::int64_t TPageProgress::PrintableHeight()
{
    return m_printer.PrintableHeight();
}

void TPageProgress::DrawLine(std::int64_t x1, std::int64_t y, std::int64_t x2)
{
    m_printer.DrawLine(x1, y, x2);
}

std::optional<std::string> TPageProgress::FinishJob()
{
    return m_printer.FinishJob();
}
