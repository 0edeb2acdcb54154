// The two program-wide engines: the document's and the view's.

#include "app/Engines.h"

#include "engine/CSplineEngine.h"

// Each engine holds several hundred kilobytes of fixed arrays: kept as
// function-local statics rather than on any stack, built on first use.
CSplineEngine& DocEngine()
{
    static CSplineEngine engine;
    return engine;
}

CSplineEngine& ViewEngine()
{
    static CSplineEngine engine;
    return engine;
}
