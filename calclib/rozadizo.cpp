#include "calclib/rozadizo.h"

#include "calclib/InputGuard.h"
#include "calclib/Psychrometrics.h"

#include <algorithm>

using namespace calclib;

void ptRH_all(float p, float t, float rh, float* d, float* h, float* wetBulb, float* dewPoint,
              float* vapourPressure, float* saturationPressure, float* density, float* specificVolume)
{
    const double pa = psy::PressurePa(p);
    const double ta = Finite(t);
    // This entry takes a fraction; a percentage passed by mistake is still understood.
    const double r = Finite(rh);
    const double phi = std::clamp(r > 1.0 ? r / 100.0 : r, 0.0, 1.0);
    const double w = psy::HumidityRatioFromRh(ta, phi, pa);
    const double pw = psy::VapourPressure(w, pa);
    StoreScalar(d, 1000.0 * w);
    StoreScalar(h, psy::Enthalpy(ta, w));
    StoreScalar(wetBulb, psy::WetBulb(ta, w, pa));
    StoreScalar(dewPoint, psy::DewPoint(pw));
    StoreScalar(vapourPressure, pw);
    StoreScalar(saturationPressure, psy::SaturationPressure(ta));
    StoreScalar(density, psy::Density(ta, w, pa));
    StoreScalar(specificVolume, psy::SpecificVolume(ta, w, pa));
}
