#pragma once

#include "base/eroare.h"

#include <QString>
#include <functional>

// The message of the error the action raises, or "<nicio eroare>" when it succeeds.
inline QString MesajulErorii(const std::function<void()>& actiune)
{
    try {
        actiune();
    } catch (const EEroare& e) {
        return e.Mesaj();
    }
    return QStringLiteral("<nicio eroare>");
}
