#pragma once

#include <QMetaProperty>
#include <QObject>
#include <QString>
#include <QVector>

class QSettings;

// How a property is kept in the settings store.
enum class TFelProprietate { Intreg, Text, Nestocat };

// The published properties of one settings object: its class, then its ancestors (the
// first occurrence of a name wins), sorted by name without regard to letter case.
class TBrvRTTIShell {
public:
    explicit TBrvRTTIShell(QObject* tinta);

    int Count() const { return m_proprietati.size(); }
    QString Nume(int index) const;
    TFelProprietate Fel(int index) const;
    QVariant Valoare(int index) const;
    void Atribuie(const QString& nume, const QVariant& valoare);

private:
    QObject* m_tinta;
    QVector<QMetaProperty> m_proprietati;
};

// The settings store every options object lives in (the registry of the design).
QSettings DeschideSetari();

// Sets a value only when the store holds another one (an unchanged value must not make the
// store rewrite its file). True when it was set.
bool SeteazaDacaDiferit(QSettings& setari, const QString& nume, const QVariant& valoare);

// Writes the pending changes out now and tells the user when the store refused them (a
// read-only configuration folder, a folder where the file should be, a full disk): the
// store itself drops them silently. True when they were kept.
bool PastreazaModificarile(QSettings& setari);

// Base of the options objects mirrored in the settings store. A concrete class calls
// Incarca() at the end of its constructor and Salveaza() in its destructor: only then does
// the object know its own published properties.
class TBrvRegistryClass : public QObject {
    Q_OBJECT
public:
    const QString& Cheie() const { return m_cheie; }

    // Reads every published property that has a value under the key.
    void Incarca();
    // Writes every published property of a stored kind, whether or not it changed.
    void Salveaza();

protected:
    explicit TBrvRegistryClass(const QString& cheie) : m_cheie(cheie) {}

private:
    QString m_cheie;
};
