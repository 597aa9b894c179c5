#include "base/brvregistryclass.h"

#include "base/userprompt.h"

#include <QSet>
#include <QSettings>
#include <algorithm>

namespace {

TFelProprietate FelDupaTip(const QMetaProperty& p)
{
    if (p.isEnumType() || p.isFlagType())
        return TFelProprietate::Intreg;
    switch (p.metaType().id()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return TFelProprietate::Intreg;
    case QMetaType::Char:
    case QMetaType::QChar:
    case QMetaType::QString:
    case QMetaType::QByteArray:
        return TFelProprietate::Text;
    default:
        return TFelProprietate::Nestocat;
    }
}

} // namespace

TBrvRTTIShell::TBrvRTTIShell(QObject* tinta) : m_tinta(tinta)
{
    QSet<QString> vazute;
    for (const QMetaObject* clasa = tinta->metaObject(); clasa && clasa != &QObject::staticMetaObject;
         clasa = clasa->superClass()) {
        for (int i = clasa->propertyOffset(); i < clasa->propertyCount(); ++i) {
            const QMetaProperty p = clasa->property(i);
            const QString nume = QString::fromLatin1(p.name());
            if (vazute.contains(nume.toUpper()))
                continue;
            vazute.insert(nume.toUpper());
            m_proprietati.append(p);
        }
    }
    std::stable_sort(m_proprietati.begin(), m_proprietati.end(), [](const QMetaProperty& a, const QMetaProperty& b) {
        return QString::fromLatin1(a.name()).compare(QString::fromLatin1(b.name()), Qt::CaseInsensitive) < 0;
    });
}

QString TBrvRTTIShell::Nume(int index) const
{
    return QString::fromLatin1(m_proprietati.at(index).name());
}

TFelProprietate TBrvRTTIShell::Fel(int index) const
{
    return FelDupaTip(m_proprietati.at(index));
}

QVariant TBrvRTTIShell::Valoare(int index) const
{
    return m_proprietati.at(index).read(m_tinta);
}

void TBrvRTTIShell::Atribuie(const QString& nume, const QVariant& valoare)
{
    for (const QMetaProperty& p : std::as_const(m_proprietati))
        if (QLatin1String(p.name()) == nume) {
            QVariant v = valoare;
            if (v.convert(p.metaType()))
                p.write(m_tinta, v);
            return;
        }
}

QSettings DeschideSetari()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Brenvolt"),
                     QStringLiteral("Certavo"));
}

bool SeteazaDacaDiferit(QSettings& setari, const QString& nume, const QVariant& valoare)
{
    if (setari.contains(nume) && setari.value(nume).toString() == valoare.toString())
        return false;
    setari.setValue(nume, valoare);
    return true;
}

bool PastreazaModificarile(QSettings& setari)
{
    setari.sync();
    // A format error is about the file as it was read; the store still writes it out.
    if (setari.status() != QSettings::AccessError)
        return true;
    Prompt().Eroare(QStringLiteral("Setarile nu au putut fi scrise in fisierul \"%1\": modificarea nu a fost "
                                   "pastrata.")
                        .arg(setari.fileName()));
    return false;
}

void TBrvRegistryClass::Incarca()
{
    TBrvRTTIShell shell(this);
    QSettings setari = DeschideSetari();
    setari.beginGroup(m_cheie);
    for (int i = 0; i < shell.Count(); ++i) {
        const QString nume = shell.Nume(i);
        if (!setari.contains(nume))
            continue;
        switch (shell.Fel(i)) {
        case TFelProprietate::Intreg:
            shell.Atribuie(nume, setari.value(nume).toInt());
            break;
        case TFelProprietate::Text:
            shell.Atribuie(nume, setari.value(nume).toString());
            break;
        case TFelProprietate::Nestocat:
            break;
        }
    }
}

void TBrvRegistryClass::Salveaza()
{
    TBrvRTTIShell shell(this);
    QSettings setari = DeschideSetari();
    setari.beginGroup(m_cheie);
    bool modificat = false;
    for (int i = 0; i < shell.Count(); ++i) {
        QVariant valoare;
        switch (shell.Fel(i)) {
        case TFelProprietate::Intreg:
            valoare = static_cast<qint32>(shell.Valoare(i).toLongLong());
            break;
        case TFelProprietate::Text:
            valoare = shell.Valoare(i).toString();
            break;
        case TFelProprietate::Nestocat:
            continue;
        }
        // Only a changed value makes the store rewrite its file, and settings objects are
        // released often (the mark writer holds one for every mark it writes).
        modificat = SeteazaDacaDiferit(setari, shell.Nume(i), valoare) || modificat;
    }
    if (modificat)
        PastreazaModificarile(setari);
}
