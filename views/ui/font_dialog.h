#pragma once
// "Schriften...": the font of all text views.

#include <QFont>

class QWidget;

// The font of the settings as a Qt font: face and point size.
QFont CurrentViewFont();

// Stores the face and the whole point size of `font` in the font settings
// and updates every text view.
void ApplyViewFont(const QFont& font);

// Shows the font dialog with the current face and size. OK applies the
// choice (ApplyViewFont) and returns true; cancel changes nothing.
bool RunFontDialog(QWidget* parent);
