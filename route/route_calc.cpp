#include "route/route_calc.h"

std::unique_ptr<CRouteCalc> CreateRouteCalc(CWayDoc& doc) { return std::make_unique<CRouteCalc>(doc); }
