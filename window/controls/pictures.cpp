#include "controls/pictures.h"

#include "controls/raw_picture.h"
#include "layout/picture_files.h"

#include <QImage>
#include <QPixmap>
#include <QPushButton>
#include <QResource>
#include <QString>

#include <array>

namespace kometa::window {

using namespace Qt::StringLiterals;

namespace {

QImage Picture(const QString &name)
{
    return raw_picture::Decode(QResource(u":/pictures/"_s + name + u".raw"_s).uncompressedData());
}

} // namespace

// Both scales are added explicitly: an icon that only finds its @2x file by name stays
// blurry after the window moves to a denser screen.
void SetPicture(QPushButton *button, std::string_view name)
{
    const QString file = QString::fromUtf8(name.data(), qsizetype(name.size()));
    const QImage normal = Picture(file);
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(normal));
    icon.addPixmap(QPixmap::fromImage(Picture(file + u"@2x"_s)));
    button->setIcon(icon);
    button->setIconSize(normal.size());
}

QIcon CometIcon()
{
    QIcon icon;
    for (int size : WindowIconSizes)
        icon.addPixmap(QPixmap::fromImage(Picture(u"comet-%1"_s.arg(size))));
    return icon;
}

} // namespace kometa::window
