#include "prompttest.h"

TPromptTest::TPromptTest() : m_anterior(InstaleazaPrompt(this)) {}

TPromptTest::~TPromptTest()
{
    InstaleazaPrompt(m_anterior);
}

bool TPromptTest::Confirma(const QString& text)
{
    m_mesaje.append({Fel::Confirmare, text, {}});
    return m_raspunsuri.isEmpty() ? true : m_raspunsuri.takeFirst();
}

QStringList TPromptTest::Texte(Fel tip) const
{
    QStringList texte;
    for (const Mesaj& m : m_mesaje)
        if (m.Tip == tip)
            texte << m.Text;
    return texte;
}
