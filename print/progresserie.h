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

// "Tiparesc diploma 17 din 60" in a progress window whose "Renunt" stops the job after the
// page being printed.
class TProgresFereastra : public TProgresSerie {
public:
    explicit TProgresFereastra(QWidget* parinte);
    bool Continua(int numar, int total) override;
    QProgressDialog& Fereastra() { return m_fereastra; }

private:
    QProgressDialog m_fereastra;
};
