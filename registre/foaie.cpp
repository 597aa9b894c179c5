#include "registre/foaie.h"

#include "base/eroare.h"
#include "registre/textcelula.h"

#include <algorithm>

TFoaie::TFoaie(QString nume)
    : m_nume(std::move(nume))
{
}

void TFoaie::Pune(int rand, int coloana, const QString& text)
{
    if (rand < 0 || coloana < 0 || rand >= RanduriMaxime || coloana >= ColoaneMaxime)
        return;
    const QString curat = TextCuratat(text);
    const auto vechi = m_celule.constFind(Cheie(rand, coloana));
    const bool nou = vechi == m_celule.cend();
    const qint64 caractere = m_caractere - (nou ? 0 : vechi->size()) + curat.size();
    if (curat.isEmpty()) {
        m_celule.remove(Cheie(rand, coloana));
        m_caractere = caractere;
        return;
    }
    if (m_celule.size() >= CeluleMaxime && nou)
        throw EEroare(QStringLiteral("Foaia de calcul \"%1\" are prea multe celule (cel mult %2).")
                          .arg(m_nume)
                          .arg(CeluleMaxime));
    if (caractere > CaractereMaxime)
        throw EEroare(QStringLiteral("Foaia de calcul \"%1\" are prea mult text (cel mult %2 de caractere in "
                                     "toate celulele).")
                          .arg(m_nume)
                          .arg(CaractereMaxime));
    m_celule.insert(Cheie(rand, coloana), curat);
    m_caractere = caractere;
    if (m_domeniu.Gol()) {
        m_domeniu = {rand, rand, coloana, coloana};
        return;
    }
    m_domeniu.PrimulRand = std::min(m_domeniu.PrimulRand, rand);
    m_domeniu.UltimulRand = std::max(m_domeniu.UltimulRand, rand);
    m_domeniu.PrimaColoana = std::min(m_domeniu.PrimaColoana, coloana);
    m_domeniu.UltimaColoana = std::max(m_domeniu.UltimaColoana, coloana);
}

QString TFoaie::Text(int rand, int coloana) const
{
    if (rand < 0 || coloana < 0)
        return {};
    return m_celule.value(Cheie(rand, coloana));
}

QString TFoaie::Text(const QString& adresa) const
{
    int rand = 0;
    int coloana = 0;
    return DescompuneAdresa(adresa, rand, coloana) ? Text(rand, coloana) : QString();
}

void TFoaie::PentruFiecareCelula(const std::function<void(int, int, const QString&)>& f) const
{
    for (auto it = m_celule.cbegin(); it != m_celule.cend(); ++it)
        f(int(it.key() >> 32), int(it.key() & 0xFFFFFFFFu), it.value());
}

int IndiceColoana(const QString& litere)
{
    if (litere.isEmpty() || litere.size() > 3)
        return -1;
    int indice = 0;
    for (const QChar c : litere) {
        const char16_t u = c.toUpper().unicode();
        if (u < u'A' || u > u'Z')
            return -1;
        indice = indice * 26 + (u - u'A' + 1);
    }
    return indice - 1;
}

QString LitereColoana(int indice)
{
    QString litere;
    for (int n = indice + 1; n > 0; n = (n - 1) / 26)
        litere.prepend(QChar(u'A' + (n - 1) % 26));
    return litere;
}

bool DescompuneAdresa(const QString& adresa, int& rand, int& coloana)
{
    qsizetype k = 0;
    while (k < adresa.size() && adresa.at(k).isLetter())
        ++k;
    coloana = IndiceColoana(adresa.left(k));
    bool ok = false;
    const QStringView cifre = QStringView(adresa).mid(k);
    const int numar = cifre.toInt(&ok);
    if (coloana < 0 || !ok || numar < 1 || !cifre.front().isDigit())
        return false;
    rand = numar - 1;
    return true;
}
