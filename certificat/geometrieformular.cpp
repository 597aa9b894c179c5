#include "certificat/geometrieformular.h"

double PageDpi(double zoom)
{
    // volatile keeps each product rounded to a 64-bit float before the next step.
    const volatile double a = 96.0 * zoom / 100.0;
    const volatile double dpi = a * 1.051403996;
    return dpi;
}

int MmToPixels(double dpi, double mm)
{
    const volatile double pixeli = mm * dpi / 25.4;
    return static_cast<int>(pixeli);
}

double PixelsToMm(int pixels, double dpi)
{
    return pixels * 25.4 / dpi;
}
