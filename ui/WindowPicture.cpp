#include "ui/WindowPicture.h"

#include <QResource>

#include "ui/Platform.h"

namespace ui {
namespace {

QImage storedPicture(const char* name, QSize size) {
    if (!name)
        return {};
    const QResource raw(QStringLiteral(":/pictures/%1.rgb32").arg(name));
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

WindowPicture::WindowPicture(const char* name, QSize size)
    : stored_(storedPicture(name, size)),
      source_(name ? QStringLiteral(":/pictures/%1.svg").arg(name) : QString()) {}

const QImage& WindowPicture::at(qreal ratio) {
    if (ratio == 1.0 || source_.isEmpty() || stored_.isNull())
        return stored_;
    if (sharp_.isNull() || sharp_.devicePixelRatio() != ratio) {
        sharp_ = platform::drawPicture(source_, stored_.size(), ratio);
        if (sharp_.isNull())
            source_.clear(); // the stored pixels, scaled, from now on
    }
    return sharp_.isNull() ? stored_ : sharp_;
}

} // namespace ui
