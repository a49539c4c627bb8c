#include "ui/Note.h"

#include "ui/Fonts.h"
#include "ui/FormBuilder.h"

namespace ui {
namespace {

// Long enough to read two lines slowly; the next action takes it away sooner.
constexpr int kShownMilliseconds = 20000;
constexpr int kMargin = 6; // pixels from the window's edges

} // namespace

Note::Note(QWidget* window) : QLabel(window) {
    setObjectName(QStringLiteral("voiceNote"));
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignCenter);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // The layout's own colours: dark blue on white, in a dark blue frame.
    setFont(makeFont(frontend::FontFace::Arial, 12, true));
    setAutoFillBackground(true);
    setStyleSheet(QStringLiteral("QLabel { background: white; color: %1; border: 2px solid %1;"
                                 " padding: 4px; }")
                      .arg(toColor(0x0000C0).name()));
    expiry_.setSingleShot(true);
    expiry_.setInterval(kShownMilliseconds);
    connect(&expiry_, &QTimer::timeout, this, &QWidget::hide);
    hide();
}

void Note::showWords(const QString& words) {
    setText(words);
    const QWidget* window = parentWidget();
    const int width = window->width() - 2 * kMargin;
    const int height = heightForWidth(width);
    setGeometry(kMargin, window->height() - kMargin - height, width, height);
    raise();
    show();
    expiry_.start();
}

} // namespace ui
