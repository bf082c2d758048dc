#pragma once

#include <QIcon>
#include <QPixmap>

namespace pw::artwork {

// The splash picture, 340 x 243: part of a clock face with the program's name.
QPixmap splash();
// The program's icon: a small clock face.
QPixmap iconPixmap(int size);
QIcon icon();

} // namespace pw::artwork
