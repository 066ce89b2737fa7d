// Renders the scalable icon at one fixed size, for desktops and icon caches
// that look up PNG sizes only.

#include <QImage>
#include <QImageReader>
#include <QString>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s ICON.svg SIZE OUT.png\n", argv[0]);
        return 2;
    }
    const int size = QString::fromLocal8Bit(argv[2]).toInt();
    QImageReader reader(QString::fromLocal8Bit(argv[1]));
    reader.setScaledSize(QSize(size, size));
    const QImage image = reader.read();
    if (image.isNull()) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(reader.errorString()));
        return 1;
    }
    if (!image.save(QString::fromLocal8Bit(argv[3]))) {
        std::fprintf(stderr, "%s: cannot be written\n", argv[3]);
        return 1;
    }
    return 0;
}
