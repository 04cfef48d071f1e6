#pragma once
// The look every window of the program shares: the grey dialog background and the small
// Central-European sans font.
#include <QColor>
#include <QFont>
#include <QIcon>
#include <QStyle>

class QWidget;

namespace brenvox::gui {

inline const QColor kWindowColour{212, 208, 200};
inline const QColor kGroupColour{236, 233, 216};
inline const QColor kOptionColour{224, 224, 224};

// Tahoma 8 pt where it exists; elsewhere a condensed DejaVu Sans of the same pixel height and
// about Tahoma's widths, so the captions fit the fixed layouts.
QFont WindowFont();

// The PIN dialog's MS Sans Serif 8 pt, or the nearest installed sans of the same pixel height
// (an Arial-like face before the window font).
QFont PinDialogFont();

// Background colour and font of a top-level window.
void ApplyWindowLook(QWidget* window);

// Centres the top-level window on its screen each time it is shown (before it is mapped, so it
// never appears elsewhere first).
void KeepCentredOnScreen(QWidget* window);

// One of the style's standard pictures, looked up only when it is first drawn. The lookup goes
// through the desktop's icon theme and costs several milliseconds per picture, which windows
// built at start-up would otherwise pay before the main window appears.
QIcon StyleIcon(QStyle::StandardPixmap which);

// Fills the widget's background with the given colour.
void SetBackground(QWidget* widget, const QColor& colour);

}  // namespace brenvox::gui
