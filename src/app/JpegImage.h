#pragma once
// JPEG pictures decoded with libjpeg itself.

#include <QByteArray>
#include <QImage>

namespace grafida::app {

// The picture in bytes, or a null image when they are no JPEG libjpeg can decode.
QImage DecodeJpeg(const QByteArray& bytes);

} // namespace grafida::app
