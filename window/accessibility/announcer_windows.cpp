#include "accessibility/announcer.h"

namespace kometa::window {

// Nothing to keep yet: before Qt 6.8 a press is heard on Windows only through what it focuses.
struct Announcer::Notice
{
};

// Narrator and NVDA speak a focused edit box's text when it is typed, not when a press
// writes it, so the focused box is named like any other.
bool Announcer::ReadsFocusedText()
{
    return false;
}

void Announcer::AnnounceWithoutQt(const QString &) { }

// Here, where the notice is complete.
Announcer::Announcer(QWidget *window) : window(window) { }
Announcer::~Announcer() = default;

} // namespace kometa::window
