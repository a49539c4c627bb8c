#pragma once

// A picture that is mostly one colour, stored as that colour and the patches
// of the 8 x 8 blocks that differ from it, made at build time from the
// picture file. Composing it costs a fill and a few copies, where decoding
// the JPEG costs a tenth of the program's start-up; the pixels are the same.

#include <QByteArray>
#include <QImage>

namespace ui {

// The encoding of `picture` (any format; stored as RGB32).
QByteArray encodePicturePatches(const QImage& picture);

// The picture that `encoded` holds, as RGB32, or a null image when `encoded`
// is not such an encoding.
QImage decodePicturePatches(QByteArrayView encoded);

} // namespace ui
