#pragma once

// The records from which both windows are built, on the desktop and in the
// browser alike: one WindowLayout per window and one ControlLayout per
// control. All positions and sizes are in twips (1/1440 inch, 15 to a pixel at
// 96 dots per inch) from the top-left corner of the container's client area;
// colours are 0xRRGGBB.

#include <cstdint>
#include <span>

namespace frontend {

enum class ControlKind { Label, TextBox, PushButton, Frame, OptionButton };
enum class FontFace { Arial, MsSansSerif };
enum class Align { Left, Right, Centre };

// Stands for "the platform's standard colour for this kind of control".
inline constexpr std::uint32_t kSystemColour = 0xFFFFFFFFu;

inline constexpr int kTwipsPerPixel = 15;

// Twips to whole pixels at 96 dots per inch, to the nearest pixel.
constexpr int twipsToPixels(int twips) {
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

struct FontSpec {
    FontFace face;
    double points;
    bool bold = false;
    bool underline = false;
};

// What assistive technology is told of a control beyond its caption: a
// sentence in which %1 stands for the number of the step the control belongs
// to and %2 for that step's name as the descriptions write it.
struct Description {
    const char* text = nullptr;
    int step = 0; // 0: the control belongs to no step
};

struct ControlLayout {
    const char* name;
    ControlKind kind;
    const char* container; // nullptr: the window itself; else the frame's name
    const char* caption;   // caption, or start text of a text box
    int left, top, width, height;
    int tabIndex;
    FontSpec font;
    std::uint32_t fill;
    std::uint32_t text;
    Align align;
    bool border;   // a single line around a label
    bool selected; // an option button selected at start
    Description description = {};
    // The caption label that names this control for assistive technology; a
    // label named so reads its own text, also when it is empty.
    const char* labelledBy = nullptr;
};

struct WindowLayout {
    const char* name;
    const char* caption;
    int clientWidth, clientHeight;
    int screenLeft, screenTop; // of the client area
    bool fixedBorder;          // the window cannot be resized
    bool minimizeButton;
    bool maximizeButton;
    // The images, by the names each face stores them under (its own file
    // kinds and sizes): the icon, and the picture under the controls or
    // nullptr for none.
    const char* icon;
    const char* picture;
    std::uint32_t fill;
    std::uint32_t drawingColour;
    FontSpec drawingFont;
    std::span<const ControlLayout> controls;
};

} // namespace frontend
