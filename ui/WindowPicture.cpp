#include "ui/WindowPicture.h"

#include <QResource>

#include "ui/Platform.h"

namespace ui {
namespace {

QImage storedPicture(const char* path, QSize size) {
    if (!path)
        return {};
    const QResource raw(QString::fromLatin1(path));
    if (!raw.isValid() || raw.compressionAlgorithm() != QResource::NoCompression ||
        raw.size() != qint64(size.width()) * size.height() * 4)
        return {};
#if Q_BYTE_ORDER == Q_BIG_ENDIAN
    // Stored as little-endian words, bytes B, G, R, 255.
    return QImage(raw.data(), size.width(), size.height(), QImage::Format_RGBX8888).rgbSwapped();
#else
    const QImage image(raw.data(), size.width(), size.height(), QImage::Format_RGB32);
    return reinterpret_cast<quintptr>(raw.data()) % 4 == 0 ? image : image.copy();
#endif
}

} // namespace

WindowPicture::WindowPicture(const char* pixels, const char* source, QSize size)
    : stored_(storedPicture(pixels, size)), source_(source) {}

const QImage& WindowPicture::at(qreal ratio) {
    if (ratio == 1.0 || !source_ || stored_.isNull())
        return stored_;
    if (sharp_.isNull() || sharp_.devicePixelRatio() != ratio) {
        sharp_ = platform::drawPicture(source_, stored_.size(), ratio);
        if (sharp_.isNull())
            source_ = nullptr; // the stored pixels, scaled, from now on
    }
    return sharp_.isNull() ? stored_ : sharp_;
}

} // namespace ui
