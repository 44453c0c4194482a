#include "engine/inputs.h"

namespace velmora {

DischargeMethod normalisedDischargeMethod(int itemIndex) {
    switch (itemIndex) {
    case 1:
        return DischargeMethod::CircularOrifice;
    case 2:
        return DischargeMethod::RectangularOrifice;
    case 3:
        return DischargeMethod::StageDischargeTable;
    default:
        return DischargeMethod::RectangularWeir;
    }
}

} // namespace velmora
