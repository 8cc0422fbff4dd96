#include "platform/melder.h"

TMelder& Melder()
{
    // Lives as long as the program; windows that listen disconnect as they go.
    static TMelder melder;
    return melder;
}
