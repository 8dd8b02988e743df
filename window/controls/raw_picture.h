// The form pictures are built into the program in, so that starting it loads no image
// decoder: the width and the height as unsigned 32-bit numbers, then every pixel, row by row,
// as a premultiplied ARGB32 word. Every number is little-endian, whichever machine writes or
// reads it. The build's picture_to_raw writes it and the window reads it, both from here.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QtEndian>

namespace kometa::window::raw_picture {

inline constexpr qsizetype HeaderBytes = 8;

inline QByteArray Encode(const QImage &picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const qsizetype row = qsizetype(image.width()) * 4;
    QByteArray bytes(HeaderBytes + row * image.height(), Qt::Uninitialized);
    auto *out = reinterpret_cast<uchar *>(bytes.data());
    qToLittleEndian<quint32>(quint32(image.width()), out);
    qToLittleEndian<quint32>(quint32(image.height()), out + 4);
    for (int y = 0; y < image.height(); ++y)
        qToLittleEndian<quint32>(image.constScanLine(y), image.width(), out + HeaderBytes + y * row);
    return bytes;
}

// A null image where the bytes are not a whole picture.
inline QImage Decode(QByteArrayView bytes)
{
    if (bytes.size() < HeaderBytes)
        return {};
    const auto *in = reinterpret_cast<const uchar *>(bytes.data());
    const quint32 width = qFromLittleEndian<quint32>(in);
    const quint32 height = qFromLittleEndian<quint32>(in + 4);
    if (width > quint32(INT_MAX) || height > quint32(INT_MAX))
        return {};
    QImage image(int(width), int(height), QImage::Format_ARGB32_Premultiplied);
    const qsizetype row = qsizetype(width) * 4;
    if (image.isNull() || row * height != bytes.size() - HeaderBytes)
        return {};
    for (int y = 0; y < image.height(); ++y)
        qFromLittleEndian<quint32>(in + HeaderBytes + y * row, image.width(), image.scanLine(y));
    return image;
}

} // namespace kometa::window::raw_picture
