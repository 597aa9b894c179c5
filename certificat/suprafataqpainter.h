#pragma once

#include "certificat/fontcelula.h"
#include "certificat/imprimanta.h"

#include <QFontMetrics>
#include <QPainter>

// Text drawing on a QPainter, for the screen and (with the device measures) for printers.
template <typename Baza>
class TTextPeQPainter : public Baza {
public:
    explicit TTextPeQPainter(QPainter& painter) : m_painter(painter) {}

    void CreeazaFont(const TCerereFont& cerere) override
    {
        m_painter.setFont(FontDupaCerere(cerere));
        m_escapement = cerere.Escapement;
    }
    QSize MasoaraText(const QString& text) override
    {
        const QFontMetrics metrici = m_painter.fontMetrics();
        return {metrici.horizontalAdvance(text), metrici.ascent() + metrici.descent()};
    }
    int Coborare() override { return m_painter.fontMetrics().descent(); }
    void ScrieText(const QPoint& origine, const QRect& decupare, const QString& text) override
    {
        ScrieTextPeQPainter(m_painter, m_escapement, origine, decupare, text);
    }

protected:
    QPainter& m_painter;

private:
    int m_escapement = 0;
};

using TSuprafataEcran = TTextPeQPainter<TSuprafataText>;

// A page of known device measures drawn through a painter: a printer, a PDF or an image.
class TImprimantaPictor : public TTextPeQPainter<TImprimanta> {
public:
    TImprimantaPictor(QPainter& painter, const TMasuriDispozitiv& masuri);
    TMasuriDispozitiv Masuri() const override { return m_masuri; }
    void DeseneazaImagine(const QRect& tinta, const QImage& imagine, bool intoarsa) override;

private:
    TMasuriDispozitiv m_masuri;
};
