#include "PageProgress.h"

#include <utility>

TPageProgress::TPageProgress(TPrintTarget &printer, TPageStarted pageStarted)
    : TForwardingTarget(printer)
    , m_pageStarted(std::move(pageStarted))
{
}

TPageProgress::~TPageProgress()
{
    m_pageStarted(0);
}

void TPageProgress::StartJob()
{
    TForwardingTarget::StartJob();
    m_pageStarted(++m_page);
}
