#pragma once
#include <QByteArray>

// The PNG bytes of the program's splash picture (620 x 350), painted by our
// own generator when the program is built.
QByteArray SplashPicturePng();
