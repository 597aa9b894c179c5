#pragma once

#include <QProgressDialog>

// Tells a class print job how far it has come and whether it is to go on.
class TProgresSerie {
public:
    virtual ~TProgresSerie() = default;
    // Before certificate `numar` (from 1) of `total`; false ends the document after the
    // certificates already printed.
    virtual bool Continua(int numar, int total) = 0;
};

// What a progress window says: its title, the text before item %1 of %2, and how long the
// work must last before the window shows (0: at once).
struct TTexteProgres {
    QString Titlu;
    QString Eticheta;
    int DurataMinima = 0;
};

// A progress window whose "Renunt" stops the work after the item in hand; by default
// "Tiparesc diploma 17 din 60" of a class print job.
class TProgresFereastra : public TProgresSerie {
public:
    explicit TProgresFereastra(QWidget* parinte);
    TProgresFereastra(QWidget* parinte, TTexteProgres texte);
    bool Continua(int numar, int total) override;
    QProgressDialog& Fereastra() { return m_fereastra; }

private:
    QProgressDialog m_fereastra;
    QString m_eticheta;
};
