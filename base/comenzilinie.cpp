#include "base/comenzilinie.h"

#include "base/semnale.h"
#include "base/userprompt.h"

#include <QTextStream>

namespace {

std::vector<TComandaLinie>& Comenzi()
{
    static std::vector<TComandaLinie> comenzi;
    return comenzi;
}

} // namespace

bool InregistreazaComanda(TComandaLinie comanda)
{
    Comenzi().push_back(std::move(comanda));
    return true;
}

const std::vector<TComandaLinie>& ComenziLinie()
{
    return Comenzi();
}

int RuleazaInConsola(const std::function<int()>& mod)
{
    try {
        return mod();
    } catch (const EEroare& e) {
        QTextStream(stderr) << e.Mesaj() << Qt::endl;
        return OprireCeruta() ? CodIesireLaOprire() : e.CodIesire();
    } catch (const std::exception& e) {
        QTextStream(stderr) << TextEroare(e) << Qt::endl;
        // Stopped by a signal: everything was rolled back and closed on the way out.
        return OprireCeruta() ? CodIesireLaOprire() : 2;
    }
}
