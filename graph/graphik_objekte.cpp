// The object layers of the graph picture: circles, areas, vertical segments
// and points.
#include "graph/graphik.h"

void TGraphik::DrawCircles(TCanvas& /*Canvas*/, bool /*Hinten*/)
{
}

void TGraphik::DrawAreas(TCanvas& /*Canvas*/)
{
}

void TGraphik::DrawVerticalSegments(TCanvas& /*Canvas*/)
{
}

void TGraphik::DrawPoints(TCanvas& /*Canvas*/)
{
}
