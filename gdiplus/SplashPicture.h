#pragma once
#include <QByteArray>
#include <QImage>

// The PNG bytes of the program's splash picture (620 x 350), painted by our
// own generator when the program is built.
QByteArray SplashPicturePng();
// The picture those bytes decode to, in the format and with the pixels the
// picture loader gives, stored by the generator beside them: a read-only
// image over data in the program, made without decoding.
QImage SplashPictureImage();
