#include "controls/message_box.h"

#include <QSize>
#include <QStyle>
#include <QWidget>

namespace kometa::window {

namespace {

QStyle::StandardPixmap PictureOf(QMessageBox::Icon kind)
{
    switch (kind) {
    case QMessageBox::Information:
        return QStyle::SP_MessageBoxInformation;
    case QMessageBox::Warning:
        return QStyle::SP_MessageBoxWarning;
    case QMessageBox::Critical:
        return QStyle::SP_MessageBoxCritical;
    case QMessageBox::Question:
    case QMessageBox::NoIcon:
        break;
    }
    return QStyle::SP_MessageBoxQuestion;
}

} // namespace

void MessageBoxes::Show(QWidget *parent, QMessageBox::Icon kind, const QString &title,
                        const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    // Drawn as the box draws its own kind, at its size and the screen's scale.
    auto [picture, added] = pictures.try_emplace(kind);
    if (added)
        picture->second = box.style()->standardIcon(PictureOf(kind), nullptr, &box);
    const int size = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
    box.setIconPixmap(picture->second.pixmap(QSize(size, size), box.devicePixelRatio()));
    box.exec();
}

} // namespace kometa::window
