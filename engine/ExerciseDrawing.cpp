#include "engine/ExerciseDrawing.h"

namespace engine {

const char* operationSign(int id) {
    return isSubtraction(id) ? "-" : "+";
}

void drawExample(const TrainerState& state, DrawingSurface& surface) {
    const char* sign = operationSign(state.exampleId);
    surface.setFontSize(20);
    surface.plotPoint(3100, 900);
    surface.printText(state.numerator1);
    surface.plotPoint(3100, 1300);
    surface.printText(state.denominator1);
    surface.drawLine(3100, 1330, 3650, 1330);
    surface.plotPoint(3800, 1110);
    surface.printText(sign);
    surface.plotPoint(4100, 900);
    surface.printText(state.numerator2);
    surface.plotPoint(4100, 1300);
    surface.printText(state.denominator2);
    surface.drawLine(4100, 1330, 4650, 1330);
    surface.plotPoint(4800, 1110);
    surface.printText("=");
    // The result template: two empty bars, the second one 50 twips longer.
    surface.drawLine(5150, 1330, 5700, 1330);
    surface.drawLine(6150, 1330, 6750, 1330);
    surface.plotPoint(5850, 1110);
    surface.printText(sign);
}

} // namespace engine
