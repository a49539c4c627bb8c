#include "ui/PicturePatches.h"

#include <QHash>
#include <cstring>
#include <vector>

namespace ui {
namespace {

// Layout, in native byte order (made and read on the same machine):
// magic, width, height, fill, patch count, then each patch's x, y, width,
// height and its rows of pixels.
constexpr quint32 kMagic = 0x31505254; // "TRP1"
constexpr int kBlock = 8;

void put(QByteArray& out, quint32 value) {
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

bool take(QByteArrayView& in, quint32& value) {
    if (in.size() < qsizetype(sizeof value))
        return false;
    std::memcpy(&value, in.data(), sizeof value);
    in = in.sliced(sizeof value);
    return true;
}

QRgb mostCommonColour(const QImage& image) {
    QHash<QRgb, int> counts;
    QRgb best = 0;
    int bestCount = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int n = ++counts[line[x]];
            if (n > bestCount) {
                bestCount = n;
                best = line[x];
            }
        }
    }
    return best;
}

} // namespace

QByteArray encodePicturePatches(const QImage& picture) {
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    const QRgb fill = mostCommonColour(image);
    const int columns = (image.width() + kBlock - 1) / kBlock;
    const int rows = (image.height() + kBlock - 1) / kBlock;

    // Blocks holding any other colour; grouped into connected runs whose
    // bounding rectangles become the patches.
    std::vector<char> differs(static_cast<std::size_t>(columns * rows), 0);
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] != fill)
                differs[static_cast<std::size_t>((y / kBlock) * columns + x / kBlock)] = 1;
        }
    }
    std::vector<QRect> patches;
    std::vector<char> seen(differs.size(), 0);
    for (int start = 0; start < columns * rows; ++start) {
        if (!differs[static_cast<std::size_t>(start)] || seen[static_cast<std::size_t>(start)])
            continue;
        QRect blocks;
        std::vector<int> stack{start};
        seen[static_cast<std::size_t>(start)] = 1;
        while (!stack.empty()) {
            const int b = stack.back();
            stack.pop_back();
            const int bx = b % columns;
            const int by = b / columns;
            blocks |= QRect(bx, by, 1, 1);
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = bx + dx;
                    const int ny = by + dy;
                    if (nx < 0 || ny < 0 || nx >= columns || ny >= rows)
                        continue;
                    const auto n = static_cast<std::size_t>(ny * columns + nx);
                    if (differs[n] && !seen[n]) {
                        seen[n] = 1;
                        stack.push_back(ny * columns + nx);
                    }
                }
            }
        }
        const QRect pixels(blocks.x() * kBlock, blocks.y() * kBlock, blocks.width() * kBlock,
                           blocks.height() * kBlock);
        patches.push_back(pixels & image.rect());
    }

    QByteArray out;
    put(out, kMagic);
    put(out, static_cast<quint32>(image.width()));
    put(out, static_cast<quint32>(image.height()));
    put(out, fill);
    put(out, static_cast<quint32>(patches.size()));
    for (const QRect& r : patches) {
        put(out, static_cast<quint32>(r.x()));
        put(out, static_cast<quint32>(r.y()));
        put(out, static_cast<quint32>(r.width()));
        put(out, static_cast<quint32>(r.height()));
        for (int y = r.top(); y <= r.bottom(); ++y)
            out.append(reinterpret_cast<const char*>(image.constScanLine(y)) + r.x() * 4,
                       r.width() * 4);
    }
    return out;
}

QImage decodePicturePatches(QByteArrayView in) {
    quint32 magic = 0, width = 0, height = 0, fill = 0, count = 0;
    if (!take(in, magic) || magic != kMagic || !take(in, width) || !take(in, height) ||
        !take(in, fill) || !take(in, count) || width == 0 || height == 0 || width > 16384 ||
        height > 16384)
        return {};
    QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    image.fill(fill);
    for (quint32 i = 0; i < count; ++i) {
        quint32 x = 0, y = 0, w = 0, h = 0;
        if (!take(in, x) || !take(in, y) || !take(in, w) || !take(in, h) ||
            quint64(x) + w > width || quint64(y) + h > height || in.size() < qsizetype(w) * h * 4)
            return {};
        for (quint32 row = 0; row < h; ++row) {
            std::memcpy(image.scanLine(static_cast<int>(y + row)) + x * 4,
                        in.data() + qsizetype(row) * w * 4, w * 4);
        }
        in = in.sliced(qsizetype(w) * h * 4);
    }
    return in.isEmpty() ? image : QImage();
}

} // namespace ui
