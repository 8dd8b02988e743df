// Converts a picture into the form the window reads fastest: width and height as two
// 32-bit numbers, then premultiplied ARGB32 pixels as this machine stores them. Reading
// that needs no image decoder, so starting the calculator never loads one.
// Usage: picture_to_raw INPUT OUTPUT
#include <QFile>
#include <QImage>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s INPUT OUTPUT\n", argv[0]);
        return 2;
    }
    const QImage image = QImage(QString::fromLocal8Bit(argv[1]))
                                 .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        std::fprintf(stderr, "%s: cannot read\n", argv[1]);
        return 1;
    }
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly))
        return 1;
    const quint32 size[2] = { quint32(image.width()), quint32(image.height()) };
    out.write(reinterpret_cast<const char *>(size), sizeof size);
    for (int y = 0; y < image.height(); ++y)
        out.write(reinterpret_cast<const char *>(image.constScanLine(y)), image.width() * 4);
    return out.error() == QFile::NoError ? 0 : 1;
}
