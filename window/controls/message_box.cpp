#include "controls/message_box.h"

#include <QPixmapCache>
#include <QShowEvent>
#include <QWidget>

namespace kometa::window {

namespace {

class SoundingBox : public QMessageBox
{
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent *event) override
    {
        PlayOpeningSound(icon());
        QMessageBox::showEvent(event);
    }
};

} // namespace

void ShowMessageBox(QWidget *parent, QMessageBox::Icon kind, const QString &title,
                    const QString &text)
{
    {
        SoundingBox box(kind, title, text, QMessageBox::Ok, parent);
        box.exec();
    }
    // Each box fetches its kind's picture from the style anew, and a copy scaled for the
    // screen stays in Qt's pixmap cache under a key no later box reuses: from Qt 6.8 on,
    // about 12 KiB for every box opened, until the cache is full. Whatever else the cache
    // holds is drawn again when it is next needed.
    QPixmapCache::clear();
}

} // namespace kometa::window
