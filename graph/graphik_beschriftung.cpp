// The text layer of the graph picture: labels, point names, centre names.
#include "graph/graphik.h"

void TGraphik::DrawLabels(TCanvas& /*Canvas*/, double /*ScaleX*/, double /*ScaleY*/, double /*offX*/, double /*offY*/)
{
}
