// The coordinate system layer of the graph picture.
#include "graph/graphik.h"

void TGraphik::DrawCoordinateSystem(TCanvas& /*Canvas*/, double /*fx*/, double /*fy*/, double /*offX*/, double /*offY*/)
{
}
