#pragma once

#include "certificat/imprimanta.h"

#include <QList>

// A printer page that records the fonts asked for and the texts drawn. Its glyphs are
// half as wide as the cell is high, so every measure can be worked out by hand.
class TImprimantaInregistrata : public TImprimanta {
public:
    struct Scriere {
        QPoint Origine;
        QRect Decupare;
        QString Text;
        TCerereFont Font;
    };

    explicit TImprimantaInregistrata(const TMasuriDispozitiv& masuri) : m_masuri(masuri) {}

    TMasuriDispozitiv Masuri() const override { return m_masuri; }
    void CreeazaFont(const TCerereFont& cerere) override
    {
        m_fonturi.append(cerere);
        m_curent = cerere;
    }
    QSize MasoaraText(const QString& text) override
    {
        return {static_cast<int>(text.size()) * m_curent.InaltimeCelula / 2, m_curent.InaltimeCelula};
    }
    int Coborare() override { return m_curent.InaltimeCelula / 5; }
    void ScrieText(const QPoint& origine, const QRect& decupare, const QString& text) override
    {
        m_scrieri.append({origine, decupare, text, m_curent});
    }
    void DeseneazaImagine(const QRect& tinta, const QImage&, bool) override { m_imagini.append(tinta); }

    const QList<TCerereFont>& Fonturi() const { return m_fonturi; }
    const QList<Scriere>& Scrieri() const { return m_scrieri; }
    const QList<QRect>& Imagini() const { return m_imagini; }
    void Goleste()
    {
        m_fonturi.clear();
        m_scrieri.clear();
    }

private:
    TMasuriDispozitiv m_masuri;
    TCerereFont m_curent;
    QList<TCerereFont> m_fonturi;
    QList<Scriere> m_scrieri;
    QList<QRect> m_imagini;
};
