#include "FuzzTexts.h"

#include <QByteArrayView>
#include <QString>

#include <cstring>

std::vector<std::u16string> FuzzTexts(const std::uint8_t *data, std::size_t size)
{
    std::vector<std::u16string> texts;
    texts.push_back(QString::fromUtf8(QByteArrayView(data, static_cast<qsizetype>(size))).toStdU16String());
    if (size % 2 == 0) {
        std::u16string units(size / 2, u'\0');
        std::memcpy(units.data(), data, size);
        texts.push_back(std::move(units));
    }
    return texts;
}
