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
#include <QString>

namespace ui {

class WindowPicture {
public:
    // `name` is the layout's name of the picture, or nullptr for none: its
    // pixels are stored as :/pictures/NAME.rgb32, its source as
    // :/pictures/NAME.svg. A stored picture of the wrong size or compressed
    // counts as none.
    WindowPicture(const char* name, QSize size);

    bool isNull() const { return stored_.isNull(); }

    // The picture to paint on a screen of device pixel ratio `ratio`.
    const QImage& at(qreal ratio);

private:
    QImage stored_;  // at ratio 1
    QString source_; // drawn from at other ratios; empty once it failed
    QImage sharp_;   // drawn for the last ratio other than 1
};

} // namespace ui
