#pragma once

class QWidget;

namespace pw {

// Puts a window in the middle of the screen it is on: left = (screen width - window width) / 2,
// top = (screen height - window height) / 2. The window keeps its size.
void centreOnScreen(QWidget *window);

// Gives a window the size what it now shows needs (a longer name may widen it). A window whose
// size changed is centred again; one whose size did not stays where it is.
void fitToContents(QWidget *window);

} // namespace pw
