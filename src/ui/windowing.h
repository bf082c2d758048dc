#pragma once

class QWidget;

namespace pw {

// Puts a window in the middle of the screen it is on: left = (screen width - window width) / 2,
// top = (screen height - window height) / 2. The window keeps its size.
void centreOnScreen(QWidget *window);

} // namespace pw
