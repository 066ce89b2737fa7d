#pragma once

#include "PrintRun.h"

// Passes every printer operation on to another printer, so that a target
// that watches a run overrides only the operations it watches.
class TForwardingTarget : public TPrintTarget {
public:
    explicit TForwardingTarget(TPrintTarget &printer) : m_printer(printer) {}

    void SetLineWidth(int pixels) override { m_printer.SetLineWidth(pixels); }
    void StartJob() override { m_printer.StartJob(); }
    std::int64_t PrintableWidth() override { return m_printer.PrintableWidth(); }
    std::int64_t PrintableHeight() override { return m_printer.PrintableHeight(); }
    void DrawLine(std::int64_t x1, std::int64_t y, std::int64_t x2) override { m_printer.DrawLine(x1, y, x2); }
    std::optional<std::string> FinishJob() override { return m_printer.FinishJob(); }

private:
    TPrintTarget &m_printer;
};
