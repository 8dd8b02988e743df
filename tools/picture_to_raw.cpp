// Converts a picture into the form the window reads without an image decoder
// (window/controls/raw_picture.h). Usage: picture_to_raw INPUT OUTPUT
#include "controls/raw_picture.h"

#include <QFile>
#include <QImage>
#include <QString>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s INPUT OUTPUT\n", argv[0]);
        return 2;
    }
    const QImage image(QString::fromLocal8Bit(argv[1]));
    if (image.isNull()) {
        std::fprintf(stderr, "%s: cannot read\n", argv[1]);
        return 1;
    }
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly)
        || out.write(kometa::window::raw_picture::Encode(image)) < 0)
        return 1;
    return out.flush() ? 0 : 1;
}
