#pragma once

#include <QLocale>

// For the life of the object numbers are written and read as on a Romanian system:
// decimal comma, dot for grouping.
class TVirgulaZecimala {
public:
    TVirgulaZecimala() { QLocale::setDefault(QLocale(QLocale::Romanian, QLocale::Romania)); }
    ~TVirgulaZecimala() { QLocale::setDefault(QLocale::system()); }
    TVirgulaZecimala(const TVirgulaZecimala&) = delete;
    TVirgulaZecimala& operator=(const TVirgulaZecimala&) = delete;
};
