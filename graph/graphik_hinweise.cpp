// The instruction box of the current interaction mode.
#include "graph/graphik.h"

void TGraphik::DrawModeHints()
{
}
