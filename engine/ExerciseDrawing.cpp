#include "engine/ExerciseDrawing.h"

#include "engine/NumberText.h"

namespace engine {

const char* operationSign(int id) {
    return isSubtraction(id) ? "-" : "+";
}

namespace {

void printAt(DrawingSurface& surface, int x, int y, std::string_view text) {
    surface.plotPoint(x, y);
    surface.printText(text);
}

// A fraction with its left edge at x: numerator, denominator, and its bar.
void drawFraction(DrawingSurface& surface, int x, int numerator, int denominator) {
    printAt(surface, x, 900, surfaceText(numerator));
    printAt(surface, x, 1300, surfaceText(denominator));
    surface.drawLine(x, 1330, x + 550, 1330);
}

} // namespace

void drawExample(const TrainerState& state, DrawingSurface& surface) {
    const char* sign = operationSign(state.exampleId);
    surface.setFontSize(20);
    drawFraction(surface, 3100, state.numerator1, state.denominator1);
    printAt(surface, 3800, 1110, sign);
    drawFraction(surface, 4100, state.numerator2, state.denominator2);
    printAt(surface, 4800, 1110, "=");
    // The result template: two empty bars, the second one 50 twips longer.
    surface.drawLine(5150, 1330, 5700, 1330);
    surface.drawLine(6150, 1330, 6750, 1330);
    printAt(surface, 5850, 1110, sign);
}

} // namespace engine
