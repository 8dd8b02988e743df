// The greeting and fault boxes: modal boxes over the window, each of its kind, with the
// style's picture for it and, where the platform's own boxes sound, its sound.
#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace kometa::window {

// Shows the box and returns once it is closed.
void ShowMessageBox(QWidget *parent, QMessageBox::Icon kind, const QString &title,
                    const QString &text);

// Plays the user's sound for a box of this kind as it opens, where the platform's boxes
// sound and Qt does not play it itself. Returns at once; the sound plays on its own.
void PlayOpeningSound(QMessageBox::Icon kind);

} // namespace kometa::window
