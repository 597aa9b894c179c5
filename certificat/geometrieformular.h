#pragma once

// Millimetres are the master geometry of every form; screen pixels follow from them and the
// page zoom. The arithmetic is kept step by step in 64-bit floats so that a page is always
// the same number of pixels wide, whatever the compiler does with intermediate precision.

// Pixels per inch of a form page shown at a zoom in percent (100.934783616 at zoom 100).
double PageDpi(double zoom);

// A length in millimetres as whole pixels at a resolution, truncated toward zero.
int MmToPixels(double dpi, double mm);

// A length in pixels as millimetres at a resolution.
double PixelsToMm(int pixels, double dpi);
