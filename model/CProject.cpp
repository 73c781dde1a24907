#include "model/CProject.h"

void CProject::GetCoordinates(double&, double&, double&, double&, double&, double&) const {}
