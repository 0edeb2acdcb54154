#pragma once

// The two program-wide engines. The document's engine keeps the last accepted
// settings and is never run; the view's engine computes on every paint. Both
// are constructed with the engine defaults on first use and live until exit.

class CSplineEngine;

CSplineEngine& DocEngine();
CSplineEngine& ViewEngine();
