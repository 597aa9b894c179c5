#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <functional>

// A file written whole or not at all. It is written under a temporary name beside its target,
// synced to disk, checked, and only then renamed over the target: a full disk, a failing
// writer or a crash leaves the target as it was. The temporary never outlives the object.
class TFisierIntreg {
public:
    // Whether the file written at that path is complete.
    using TVerificare = std::function<bool(const QString& cale)>;

    // Reserves the temporary name; a folder that cannot take it is an error.
    explicit TFisierIntreg(QString tinta);
    ~TFisierIntreg();
    TFisierIntreg(const TFisierIntreg&) = delete;
    TFisierIntreg& operator=(const TFisierIntreg&) = delete;

    const QString& Tinta() const { return m_tinta; }
    // Where a writer that opens files by name (a printer) writes.
    const QString& CaleTemporara() const { return m_temporar; }
    // Appends to the temporary file.
    void Scrie(const QByteArray& octeti);
    // Syncs the written file, checks it is not empty and passes `complet`, then puts it in
    // place of the target. Any failure is an error with the Romanian message, and the target
    // stays as it was.
    void Incheie(const TVerificare& complet = {});

private:
    [[noreturn]] void Esec(const QString& cauza);

    QString m_tinta;
    QString m_temporar;
    QFile m_fisier;
    bool m_incheiat = false;
};

// A PDF file that ends with its trailer: a writer cut short by a full disk leaves none.
bool PdfComplet(const QString& cale);

// Copies a file, a megabyte at a time, as the whole content of the target, through
// TFisierIntreg: the target appears only once the copy is on the disk and passes `complet`.
void CopiazaFisierIntreg(const QString& sursa, const QString& tinta, const TFisierIntreg::TVerificare& complet = {});

// Writes the bytes as the whole content of the target, through TFisierIntreg.
void ScrieFisierIntreg(const QString& tinta, const QByteArray& octeti);
