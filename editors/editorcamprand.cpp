#include "editors/editorcamprand.h"

#include "base/textunrand.h"

namespace {

int CaracterePastrate(const QString& text)
{
    return NumarCaractere(text.trimmed());
}

} // namespace

QValidator::State TValidatorRand::validate(QString& text, int& pozitie) const
{
    text = FaraCaractereDeControl(text);
    // What was just typed or pasted stands before the caret: that is what gives way.
    QString inainte = text.left(pozitie);
    const QString dupa = text.mid(pozitie);
    while (CaracterePastrate(inainte + dupa) > m_lungime && !inainte.isEmpty()) {
        const int prisos = CaracterePastrate(inainte + dupa) - m_lungime;
        inainte = TaieLaCaractere(inainte, qMax(0, NumarCaractere(inainte) - prisos));
    }
    text = inainte + dupa;
    pozitie = int(inainte.size());
    if (CaracterePastrate(text) > m_lungime) {
        text = TaieLaCaractere(text.trimmed(), m_lungime);
        pozitie = int(text.size());
    }
    return Acceptable;
}
