#pragma once
// JPEG pictures, decoded with libjpeg.

#include <QByteArray>
#include <QImage>

// The picture in `daten`, or a null image when the data is no JPEG that
// libjpeg can read (or a picture beyond 8192 pixels a side).
QImage JpegLesen(const QByteArray& daten);
