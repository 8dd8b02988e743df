// Tells a screen reader what a press changed. The focus stays on the control that was
// pressed, and a screen reader reads out changes of the focused control only, so a result
// written into another field would otherwise pass unheard.
#pragma once

#include <QString>

#include <memory>

class QWidget;

namespace kometa::window {

class Announcer
{
public:
    explicit Announcer(QWidget *window);
    ~Announcer();

    // Spoken politely: after what the screen reader is saying, not over it.
    void Announce(const QString &message);

    // Whether the screen reader reads new text in the focused box by itself, so that an
    // announcement would say it twice.
    static bool ReadsFocusedText();

private:
    QWidget *window;
    struct Notice;
    std::unique_ptr<Notice> notice;
};

} // namespace kometa::window
