#include "Mismatch.h"

#include <QString>

#include <cstdio>
#include <cstdlib>

void ExpectSame(const char *rule, std::u16string_view text, long long got, long long want)
{
    if (got == want)
        return;
    const QByteArray shown = QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())).toUtf8();
    std::fprintf(stderr, "MISMATCH %s: text \"%s\" (%zu UTF-16 units) read as %lld, should be %lld\n",
                 rule, shown.constData(), text.size(), got, want);
    std::abort();
}
