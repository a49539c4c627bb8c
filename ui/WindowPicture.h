#pragma once

// The picture under a window's controls. At device pixel ratio 1 it is the
// pixels stored in the program (the client area's size, uncompressed rows of
// 32-bit 0xffRRGGBB, little-endian), painted straight from the program file
// with no decoding; at any other ratio it is drawn anew for that ratio from
// its source, once, and again only when the window moves to a screen of
// another ratio. Where the build holds nothing sharper, the stored pixels are
// scaled.

#include <QImage>
#include <QSize>

namespace ui {

class WindowPicture {
public:
    // `pixels` and `source` are resource paths; either may be nullptr. A
    // stored picture of the wrong size or compressed counts as none.
    WindowPicture(const char* pixels, const char* source, QSize size);

    bool isNull() const { return stored_.isNull(); }

    // The picture to paint on a screen of device pixel ratio `ratio`.
    const QImage& at(qreal ratio);

private:
    QImage stored_;      // at ratio 1
    const char* source_; // drawn from at other ratios; nullptr once it failed
    QImage sharp_;       // drawn for the last ratio other than 1
};

} // namespace ui
