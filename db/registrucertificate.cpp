#include "db/registrucertificate.h"

#include "base/eroare.h"
#include "db/interogare.h"
#include "db/tranzactie.h"

#include <QRegularExpression>
#include <QSet>

const QString MotivTiparitGresit = QStringLiteral("tiparit gresit");

namespace {

const QString MotivInlocuitPrinDuplicat = QStringLiteral("pierdut sau deteriorat, inlocuit prin duplicat");
constexpr int LungimeText = 255;
constexpr int LungimeNume = 256;
constexpr int NumarCartonMaxim = 999999;

// Dates and moments cross the client as text: the engine reads and writes ISO forms.
const QString ColoaneIntrare = QStringLiteral(
    "R.ID_INTRARE, R.ID_ELEVI, R.NUME_ELEV, R.CNP, R.NR_INREGISTRARE, "
    "CAST(R.DATA_INREGISTRARE AS VARCHAR(10)) AS DATA_TEXT, R.SERIA, R.NUMAR_CARTON, R.FEL, R.ID_ORIGINAL, "
    "(SELECT FIRST 1 S.STARE FROM STARI_CERTIFICATE S WHERE S.ID_INTRARE = R.ID_INTRARE "
    "ORDER BY S.ID_STARE DESC) AS STARE, "
    "(SELECT FIRST 1 P.PRIMITOR FROM STARI_CERTIFICATE P WHERE P.ID_INTRARE = R.ID_INTRARE AND P.STARE = 'PREDAT' "
    "ORDER BY P.ID_STARE DESC) AS PRIMITOR "
    "FROM REGISTRU_CERTIFICATE R ");

TStareCertificat StareDinText(const QString& text)
{
    if (text == QLatin1String("PREDAT"))
        return TStareCertificat::Predat;
    if (text == QLatin1String("ANULAT"))
        return TStareCertificat::Anulat;
    return TStareCertificat::Tiparit;
}

QString CodStare(TStareCertificat stare)
{
    switch (stare) {
    case TStareCertificat::Predat: return QStringLiteral("PREDAT");
    case TStareCertificat::Anulat: return QStringLiteral("ANULAT");
    case TStareCertificat::Tiparit: break;
    }
    return QStringLiteral("TIPARIT");
}

TIntrareRegistru IntrareCurenta(const TInterogare& q)
{
    TIntrareRegistru intrare;
    intrare.Id = q.FieldByName(QStringLiteral("ID_INTRARE")).AsInteger();
    intrare.IdElev = q.FieldByName(QStringLiteral("ID_ELEVI")).AsInteger();
    intrare.Nume = q.FieldByName(QStringLiteral("NUME_ELEV")).AsString();
    intrare.Cnp = q.FieldByName(QStringLiteral("CNP")).AsString();
    intrare.NrInregistrare = q.FieldByName(QStringLiteral("NR_INREGISTRARE")).AsInteger();
    intrare.DataInregistrare = QDate::fromString(q.FieldByName(QStringLiteral("DATA_TEXT")).AsString(), Qt::ISODate);
    intrare.Seria = q.FieldByName(QStringLiteral("SERIA")).AsString();
    intrare.Numar = q.FieldByName(QStringLiteral("NUMAR_CARTON")).AsInteger();
    intrare.Fel = q.FieldByName(QStringLiteral("FEL")).AsString() == QLatin1String("DUPLICAT") ? TFelCertificat::Duplicat
                                                                                               : TFelCertificat::Original;
    if (const TCamp original = q.FieldByName(QStringLiteral("ID_ORIGINAL")); !original.IsNull())
        intrare.IdOriginal = original.AsInteger();
    intrare.Stare = StareDinText(q.FieldByName(QStringLiteral("STARE")).AsString());
    intrare.Primitor = q.FieldByName(QStringLiteral("PRIMITOR")).AsString();
    return intrare;
}

std::vector<TIntrareRegistru> CitesteIntrari(TInterogare& q)
{
    std::vector<TIntrareRegistru> intrari;
    TInchideLaFinal inchide(q);
    for (q.Open(); !q.Eof(); q.Next())
        intrari.push_back(IntrareCurenta(q));
    return intrari;
}

std::optional<TIntrareRegistru> PrimaIntrare(TInterogare& q)
{
    std::vector<TIntrareRegistru> intrari = CitesteIntrari(q);
    if (intrari.empty())
        return std::nullopt;
    return intrari.front();
}

std::optional<TIntrareRegistru> IntrareaCartonului(TTranzactie& tr, const QString& seria, int numar)
{
    TInterogare q(tr, QStringLiteral("registruCarton"));
    q.SQL(QStringLiteral("SELECT ") + ColoaneIntrare + QStringLiteral("WHERE R.SERIA = :SERIA AND R.NUMAR_CARTON = :NUMAR"));
    q.ParamByName(QStringLiteral("SERIA"), seria);
    q.ParamByName(QStringLiteral("NUMAR"), numar);
    return PrimaIntrare(q);
}

std::optional<TIntrareRegistru> ValabilulElevului(TTranzactie& tr, int idElev)
{
    TInterogare q(tr, QStringLiteral("registruValabil"));
    q.SQL(QStringLiteral("SELECT ") + ColoaneIntrare
          + QStringLiteral("WHERE R.ID_ELEVI = :ID_ELEVI AND (SELECT FIRST 1 S.STARE FROM STARI_CERTIFICATE S "
                           "WHERE S.ID_INTRARE = R.ID_INTRARE ORDER BY S.ID_STARE DESC) <> 'ANULAT' "
                           "ORDER BY R.ID_INTRARE DESC"));
    q.ParamByName(QStringLiteral("ID_ELEVI"), idElev);
    return PrimaIntrare(q);
}

int ValoareGenerator(TTranzactie& tr, const QString& generator, int pas)
{
    TInterogare q(tr, QStringLiteral("registruGenerator"));
    TInchideLaFinal inchide(q);
    q.SQL(QStringLiteral("SELECT GEN_ID(%1, %2) AS VALOARE FROM RDB$DATABASE").arg(generator).arg(pas));
    q.Open();
    return q.FieldByName(QStringLiteral("VALOARE")).AsInteger();
}

// The system user of this computer on an embedded database; the server's user otherwise.
QString Utilizatorul(TTranzactie& tr)
{
    TInterogare q(tr, QStringLiteral("registruUtilizator"));
    TInchideLaFinal inchide(q);
    q.SQL(QStringLiteral("SELECT RDB$GET_CONTEXT('SYSTEM', 'NETWORK_PROTOCOL') AS PROTOCOL, CURRENT_USER AS "
                         "UTILIZATOR FROM RDB$DATABASE"));
    q.Open();
    if (!q.FieldByName(QStringLiteral("PROTOCOL")).IsNull())
        return q.FieldByName(QStringLiteral("UTILIZATOR")).AsString().trimmed();
    QString sistem = qEnvironmentVariable("USER");
    if (sistem.isEmpty())
        sistem = qEnvironmentVariable("USERNAME");
    return sistem.isEmpty() ? q.FieldByName(QStringLiteral("UTILIZATOR")).AsString().trimmed() : sistem.left(63);
}

// `utilizator` is asked once per unit of work (Utilizatorul), not once per row.
void AdaugaStare(TTranzactie& tr, const QString& utilizator, int idIntrare, TStareCertificat stare,
                 const QString& motiv, const QString& primitor = QString())
{
    TInterogare q(tr, QStringLiteral("registruStare"));
    q.SQL(QStringLiteral("INSERT INTO STARI_CERTIFICATE (ID_STARE, ID_INTRARE, STARE, UTILIZATOR, MOTIV, PRIMITOR) "
                         "VALUES (GEN_ID(GEN_STARI_CERTIFICATE, 1), :ID_INTRARE, :STARE, :UTILIZATOR, :MOTIV, "
                         ":PRIMITOR)"));
    q.ParamByName(QStringLiteral("ID_INTRARE"), idIntrare);
    q.ParamByName(QStringLiteral("STARE"), CodStare(stare));
    q.ParamByName(QStringLiteral("UTILIZATOR"), utilizator);
    q.ParamByName(QStringLiteral("MOTIV"), motiv);
    q.ParamByName(QStringLiteral("PRIMITOR"), primitor);
    q.ExecSQL();
}

// Holds the entry until the end of the transaction, so that two changes of its state never
// cross: the second one meets a conflict and is run again on what the first one stored.
void BlocheazaIntrarea(TTranzactie& tr, int idIntrare)
{
    TInterogare q(tr, QStringLiteral("registruBlocare"));
    TInchideLaFinal inchide(q);
    q.SQL(QStringLiteral("SELECT ID_INTRARE FROM REGISTRU_CERTIFICATE WHERE ID_INTRARE = :ID_INTRARE WITH LOCK"));
    q.ParamByName(QStringLiteral("ID_INTRARE"), idIntrare);
    q.Open();
}

QString DescriereCarton(const QString& seria, int numar)
{
    return QStringLiteral("seria %1 nr. %2").arg(seria, NumarCartonAfisat(numar));
}

TIntrareRegistru CerereCarton(TTranzactie& tr, const QString& seria, int numar)
{
    const QString eroare = VerificaSeria(seria);
    if (!eroare.isEmpty())
        throw EEroare(eroare);
    const std::optional<TIntrareRegistru> intrare = IntrareaCartonului(tr, seria.toUpper(), numar);
    if (!intrare)
        throw EEroare(QStringLiteral("Cartonul %1 nu este in registru.").arg(DescriereCarton(seria.toUpper(), numar)));
    BlocheazaIntrarea(tr, intrare->Id);
    // Read again under the lock: another user may have changed it meanwhile.
    return *IntrareaCartonului(tr, seria.toUpper(), numar);
}

QString TextLimitat(const QString& text, const QString& ce)
{
    const QString curat = text.trimmed();
    if (curat.size() > LungimeText)
        throw EEroare(QStringLiteral("%1 are mai mult de %2 de caractere.").arg(ce).arg(LungimeText));
    return curat;
}

void VerificaCererea(const TCerereInregistrare& cerere)
{
    if (const QString eroare = VerificaSeria(cerere.Seria); !eroare.isEmpty())
        throw EEroare(eroare);
    if (cerere.PrimulNumar < 1 || cerere.PrimulNumar + cerere.Elevi.size() - 1 > NumarCartonMaxim)
        throw EEroare(QStringLiteral("Numerele cartoanelor trebuie sa fie intre 1 si %1.").arg(NumarCartonMaxim));
    if (!cerere.Data.isValid())
        throw EEroare(QStringLiteral("Data inregistrarii nu este o data."));
    QSet<int> elevi;
    for (const TElevDeInregistrat& elev : cerere.Elevi)
        if (elevi.contains(elev.IdElev))
            throw EEroare(QStringLiteral("Elevul %1 apare de doua ori in aceeasi tiparire.").arg(elev.Nume));
        else
            elevi.insert(elev.IdElev);
}

} // namespace

QStringList InstructiuniSchemaRegistru()
{
    return {
        QStringLiteral("CREATE TABLE REGISTRU_CERTIFICATE (ID_INTRARE INTEGER NOT NULL, ID_ELEVI INTEGER NOT NULL, "
                       "NUME_ELEV VARCHAR(256) NOT NULL, CNP VARCHAR(32) DEFAULT '' NOT NULL, "
                       "NR_INREGISTRARE INTEGER NOT NULL, DATA_INREGISTRARE DATE NOT NULL, SERIA VARCHAR(8) NOT NULL, "
                       "NUMAR_CARTON INTEGER NOT NULL, FEL VARCHAR(8) NOT NULL, ID_ORIGINAL INTEGER, "
                       "CONSTRAINT PK_REGISTRU_CERTIFICATE PRIMARY KEY (ID_INTRARE), "
                       "CONSTRAINT UQ_REGISTRU_NR UNIQUE (NR_INREGISTRARE), "
                       "CONSTRAINT UQ_REGISTRU_CARTON UNIQUE (SERIA, NUMAR_CARTON), "
                       "CONSTRAINT FK_REGISTRU_ORIGINAL FOREIGN KEY (ID_ORIGINAL) REFERENCES REGISTRU_CERTIFICATE "
                       "(ID_INTRARE), "
                       "CONSTRAINT CK_REGISTRU_FEL CHECK (FEL IN ('ORIGINAL', 'DUPLICAT')), "
                       "CONSTRAINT CK_REGISTRU_NUMAR CHECK (NUMAR_CARTON > 0 AND NR_INREGISTRARE > 0))"),
        QStringLiteral("CREATE INDEX IX_REGISTRU_ELEV ON REGISTRU_CERTIFICATE (ID_ELEVI)"),
        QStringLiteral("CREATE TABLE STARI_CERTIFICATE (ID_STARE INTEGER NOT NULL, ID_INTRARE INTEGER NOT NULL, "
                       "STARE VARCHAR(8) NOT NULL, MOMENT TIMESTAMP DEFAULT CURRENT_TIMESTAMP NOT NULL, "
                       "UTILIZATOR VARCHAR(63) NOT NULL, MOTIV VARCHAR(255) DEFAULT '' NOT NULL, "
                       "PRIMITOR VARCHAR(255) DEFAULT '' NOT NULL, "
                       "CONSTRAINT PK_STARI_CERTIFICATE PRIMARY KEY (ID_STARE), "
                       "CONSTRAINT FK_STARI_INTRARE FOREIGN KEY (ID_INTRARE) REFERENCES REGISTRU_CERTIFICATE "
                       "(ID_INTRARE), "
                       "CONSTRAINT CK_STARI_STARE CHECK (STARE IN ('TIPARIT', 'PREDAT', 'ANULAT')))"),
        QStringLiteral("CREATE SEQUENCE GEN_REGISTRU_CERTIFICATE"),
        QStringLiteral("CREATE SEQUENCE GEN_STARI_CERTIFICATE"),
        // Drawn outside any transaction: two prints at once never receive the same number.
        QStringLiteral("CREATE SEQUENCE GEN_NR_INREGISTRARE"),
        QStringLiteral("CREATE EXCEPTION E_REGISTRU_NESCHIMBAT 'Registrul certificatelor nu se modifica si nu se "
                       "sterge: o schimbare se adauga ca stare noua.'"),
        QStringLiteral("CREATE TRIGGER REGISTRU_NESCHIMBAT FOR REGISTRU_CERTIFICATE BEFORE UPDATE OR DELETE AS "
                       "BEGIN EXCEPTION E_REGISTRU_NESCHIMBAT; END"),
        QStringLiteral("CREATE TRIGGER STARI_NESCHIMBATE FOR STARI_CERTIFICATE BEFORE UPDATE OR DELETE AS "
                       "BEGIN EXCEPTION E_REGISTRU_NESCHIMBAT; END"),
    };
}

QString TextFel(TFelCertificat fel)
{
    return fel == TFelCertificat::Duplicat ? QStringLiteral("duplicat") : QStringLiteral("original");
}

QString TextStare(TStareCertificat stare)
{
    switch (stare) {
    case TStareCertificat::Predat: return QStringLiteral("predat");
    case TStareCertificat::Anulat: return QStringLiteral("anulat");
    case TStareCertificat::Tiparit: break;
    }
    return QStringLiteral("tiparit");
}

QString NumarCartonAfisat(int numar)
{
    return QStringLiteral("%1").arg(numar, 6, 10, QLatin1Char('0'));
}

QString VerificaSeria(const QString& seria)
{
    static const QRegularExpression Litere(QStringLiteral("^[A-Za-z]{1,8}$"));
    if (seria.trimmed().isEmpty())
        return QStringLiteral("Seria cartonului lipseste.");
    if (!Litere.match(seria).hasMatch())
        return QStringLiteral("Seria cartonului trebuie sa fie formata din cel mult 8 litere, nu \"%1\".").arg(seria);
    return QString();
}

QString VerificaNumarCarton(const QString& text, int* numar)
{
    static const QRegularExpression Cifre(QStringLiteral("^[0-9]{1,6}$"));
    const int valoare = Cifre.match(text.trimmed()).hasMatch() ? text.trimmed().toInt() : 0;
    if (valoare < 1)
        return QStringLiteral("Numarul cartonului trebuie sa fie un numar pozitiv de cel mult 6 cifre, nu \"%1\".")
            .arg(text);
    if (numar)
        *numar = valoare;
    return QString();
}

QString VerificaData(const QString& text, QDate* data)
{
    static const QRegularExpression Forma(QStringLiteral("^[0-9]{4}-[0-9]{2}-[0-9]{2}$"));
    const QDate valoare = QDate::fromString(text.trimmed(), Qt::ISODate);
    if (!Forma.match(text.trimmed()).hasMatch() || !valoare.isValid())
        return QStringLiteral("Data inregistrarii trebuie sa fie o data de forma AAAA-LL-ZZ, nu \"%1\".").arg(text);
    if (data)
        *data = valoare;
    return QString();
}

std::vector<TIntrareRegistru> TRegistruCertificate::Intrari() const
{
    TGardaTranzactie tr(m_tr, TTipTranzactie::Citire);
    TInterogare q(m_tr, QStringLiteral("registruIntrari"));
    q.SQL(QStringLiteral("SELECT ") + ColoaneIntrare + QStringLiteral("ORDER BY R.NR_INREGISTRARE"));
    return CitesteIntrari(q);
}

std::optional<TIntrareRegistru> TRegistruCertificate::Intrare(const QString& seria, int numar) const
{
    TGardaTranzactie tr(m_tr, TTipTranzactie::Citire);
    return IntrareaCartonului(m_tr, seria.toUpper(), numar);
}

std::vector<TSchimbareStare> TRegistruCertificate::Istoric(int idIntrare) const
{
    TGardaTranzactie tr(m_tr, TTipTranzactie::Citire);
    TInterogare q(m_tr, QStringLiteral("registruIstoric"));
    TInchideLaFinal inchide(q);
    q.SQL(QStringLiteral("SELECT STARE, CAST(MOMENT AS VARCHAR(24)) AS MOMENT_TEXT, UTILIZATOR, MOTIV, PRIMITOR "
                         "FROM STARI_CERTIFICATE WHERE ID_INTRARE = :ID_INTRARE ORDER BY ID_STARE"));
    q.ParamByName(QStringLiteral("ID_INTRARE"), idIntrare);
    std::vector<TSchimbareStare> istoric;
    for (q.Open(); !q.Eof(); q.Next())
        istoric.push_back({StareDinText(q.FieldByName(QStringLiteral("STARE")).AsString()),
                           q.FieldByName(QStringLiteral("MOMENT_TEXT")).AsString().left(19),
                           q.FieldByName(QStringLiteral("UTILIZATOR")).AsString(),
                           q.FieldByName(QStringLiteral("MOTIV")).AsString(),
                           q.FieldByName(QStringLiteral("PRIMITOR")).AsString()});
    return istoric;
}

std::optional<TIntrareRegistru> TRegistruCertificate::CertificatValabil(int idElev) const
{
    TGardaTranzactie tr(m_tr, TTipTranzactie::Citire);
    return ValabilulElevului(m_tr, idElev);
}

QString TRegistruCertificate::UltimaSerie() const
{
    TGardaTranzactie tr(m_tr, TTipTranzactie::Citire);
    TInterogare q(m_tr, QStringLiteral("registruSerie"));
    TInchideLaFinal inchide(q);
    q.SQL(QStringLiteral("SELECT FIRST 1 SERIA FROM REGISTRU_CERTIFICATE ORDER BY ID_INTRARE DESC"));
    q.Open();
    return q.Eof() ? QString() : q.FieldByName(QStringLiteral("SERIA")).AsString();
}

int TRegistruCertificate::UrmatorulNumarCarton(const QString& seria) const
{
    TGardaTranzactie tr(m_tr, TTipTranzactie::Citire);
    TInterogare q(m_tr, QStringLiteral("registruNumar"));
    TInchideLaFinal inchide(q);
    q.SQL(QStringLiteral("SELECT COALESCE(MAX(NUMAR_CARTON), 0) + 1 AS URMATORUL FROM REGISTRU_CERTIFICATE "
                         "WHERE SERIA = :SERIA"));
    q.ParamByName(QStringLiteral("SERIA"), seria.toUpper());
    q.Open();
    return q.FieldByName(QStringLiteral("URMATORUL")).AsInteger();
}

int TRegistruCertificate::UrmatorulNrInregistrare() const
{
    TGardaTranzactie tr(m_tr, TTipTranzactie::Citire);
    return ValoareGenerator(m_tr, QStringLiteral("GEN_NR_INREGISTRARE"), 0) + 1;
}

void TRegistruCertificate::StabilesteUrmatorulNrInregistrare(int numar)
{
    const int urmatorul = UrmatorulNrInregistrare();
    if (numar < urmatorul)
        throw EEroare(QStringLiteral("Numarul de inregistrare %1 a fost deja dat; urmatorul numar este %2.")
                          .arg(numar)
                          .arg(urmatorul));
    TGardaTranzactie tr(m_tr);
    // A step rather than a reset: a print drawing numbers meanwhile keeps its own.
    ValoareGenerator(m_tr, QStringLiteral("GEN_NR_INREGISTRARE"), numar - urmatorul);
    tr.Commit();
}

std::vector<TIntrareRegistru> TRegistruCertificate::Inregistreaza(const TCerereInregistrare& cerere)
{
    VerificaCererea(cerere);
    const QString seria = cerere.Seria.toUpper();
    return RepetaLaConflict([&] {
        TGardaTranzactie tr(m_tr);
        for (int i = 0; i < cerere.Elevi.size(); ++i)
            if (const std::optional<TIntrareRegistru> folosit = IntrareaCartonului(m_tr, seria, cerere.PrimulNumar + i))
                throw EEroare(QStringLiteral("Cartonul %1 a fost deja folosit (nr. inregistrare %2, %3). Nu s-a "
                                             "tiparit nimic.")
                                  .arg(DescriereCarton(seria, folosit->Numar))
                                  .arg(folosit->NrInregistrare)
                                  .arg(folosit->Nume));
        std::vector<std::optional<TIntrareRegistru>> vechi;
        for (const TElevDeInregistrat& elev : cerere.Elevi) {
            vechi.push_back(ValabilulElevului(m_tr, elev.IdElev));
            if (vechi.back() && cerere.Reluare == TReluare::Refuza)
                throw ECertificatValabil(QStringLiteral("%1 are deja certificatul %2 (nr. inregistrare %3 din %4). Nu s-a "
                                             "tiparit nimic.")
                                  .arg(elev.Nume, DescriereCarton(vechi.back()->Seria, vechi.back()->Numar))
                                  .arg(vechi.back()->NrInregistrare)
                                  .arg(vechi.back()->DataInregistrare.toString(QStringLiteral("dd.MM.yyyy"))));
        }
        const QString utilizator = Utilizatorul(m_tr);
        const int primulNr =
            ValoareGenerator(m_tr, QStringLiteral("GEN_NR_INREGISTRARE"), static_cast<int>(cerere.Elevi.size()))
            - static_cast<int>(cerere.Elevi.size()) + 1;
        TInterogare q(m_tr, QStringLiteral("registruInregistrare"));
        q.SQL(QStringLiteral("INSERT INTO REGISTRU_CERTIFICATE (ID_INTRARE, ID_ELEVI, NUME_ELEV, CNP, NR_INREGISTRARE, "
                             "DATA_INREGISTRARE, SERIA, NUMAR_CARTON, FEL, ID_ORIGINAL) VALUES (:ID_INTRARE, :ID_ELEVI, "
                             ":NUME_ELEV, :CNP, :NR_INREGISTRARE, CAST(CAST(:DATA AS VARCHAR(10)) AS DATE), :SERIA, "
                             ":NUMAR_CARTON, :FEL, :ID_ORIGINAL)"));
        std::vector<TIntrareRegistru> inregistrate;
        for (int i = 0; i < cerere.Elevi.size(); ++i) {
            const TElevDeInregistrat& elev = cerere.Elevi.at(i);
            TIntrareRegistru intrare;
            intrare.Id = ValoareGenerator(m_tr, QStringLiteral("GEN_REGISTRU_CERTIFICATE"), 1);
            intrare.IdElev = elev.IdElev;
            intrare.Nume = elev.Nume.left(LungimeNume);
            intrare.Cnp = elev.Cnp.left(32);
            intrare.NrInregistrare = primulNr + i;
            intrare.DataInregistrare = cerere.Data;
            intrare.Seria = seria;
            intrare.Numar = cerere.PrimulNumar + i;
            if (const std::optional<TIntrareRegistru>& inlocuit = vechi.at(i)) {
                BlocheazaIntrarea(m_tr, inlocuit->Id);
                const bool duplicat = cerere.Reluare == TReluare::Duplicat;
                AdaugaStare(m_tr, utilizator, inlocuit->Id, TStareCertificat::Anulat,
                            duplicat ? MotivInlocuitPrinDuplicat : MotivTiparitGresit);
                if (duplicat) {
                    intrare.Fel = TFelCertificat::Duplicat;
                    intrare.IdOriginal = inlocuit->Id;
                }
            }
            q.ParamByName(QStringLiteral("ID_INTRARE"), intrare.Id);
            q.ParamByName(QStringLiteral("ID_ELEVI"), intrare.IdElev);
            q.ParamByName(QStringLiteral("NUME_ELEV"), intrare.Nume);
            q.ParamByName(QStringLiteral("CNP"), intrare.Cnp);
            q.ParamByName(QStringLiteral("NR_INREGISTRARE"), intrare.NrInregistrare);
            q.ParamByName(QStringLiteral("DATA"), intrare.DataInregistrare.toString(Qt::ISODate));
            q.ParamByName(QStringLiteral("SERIA"), seria);
            q.ParamByName(QStringLiteral("NUMAR_CARTON"), intrare.Numar);
            q.ParamByName(QStringLiteral("FEL"), intrare.Fel == TFelCertificat::Duplicat ? QStringLiteral("DUPLICAT")
                                                                                          : QStringLiteral("ORIGINAL"));
            q.ParamByName(QStringLiteral("ID_ORIGINAL"), intrare.IdOriginal ? QVariant(*intrare.IdOriginal) : QVariant());
            q.ExecSQL();
            AdaugaStare(m_tr, utilizator, intrare.Id, TStareCertificat::Tiparit, QString());
            inregistrate.push_back(intrare);
        }
        tr.Commit();
        return inregistrate;
    });
}

void TRegistruCertificate::Anuleaza(const QString& seria, int numar, const QString& motiv)
{
    const QString motivCurat = TextLimitat(motiv, QStringLiteral("Motivul anularii"));
    if (motivCurat.isEmpty())
        throw EEroare(QStringLiteral("Anularea unui carton cere un motiv."));
    RepetaLaConflict([&] {
        TGardaTranzactie tr(m_tr);
        const TIntrareRegistru intrare = CerereCarton(m_tr, seria, numar);
        if (intrare.Stare == TStareCertificat::Anulat)
            throw EEroare(QStringLiteral("Cartonul %1 este deja anulat.").arg(DescriereCarton(intrare.Seria, numar)));
        AdaugaStare(m_tr, Utilizatorul(m_tr), intrare.Id, TStareCertificat::Anulat, motivCurat);
        tr.Commit();
    });
}

void TRegistruCertificate::Preda(const QString& seria, int numar, const QString& primitor)
{
    const QString primitorCurat = TextLimitat(primitor, QStringLiteral("Numele celui care primeste certificatul"));
    if (primitorCurat.isEmpty())
        throw EEroare(QStringLiteral("Predarea unui certificat cere numele celui care il primeste."));
    RepetaLaConflict([&] {
        TGardaTranzactie tr(m_tr);
        const TIntrareRegistru intrare = CerereCarton(m_tr, seria, numar);
        if (intrare.Stare == TStareCertificat::Anulat)
            throw EEroare(QStringLiteral("Cartonul %1 este anulat: nu poate fi predat.")
                              .arg(DescriereCarton(intrare.Seria, numar)));
        if (intrare.Stare == TStareCertificat::Predat)
            throw EEroare(QStringLiteral("Certificatul %1 a fost deja predat lui %2.")
                              .arg(DescriereCarton(intrare.Seria, numar), intrare.Primitor));
        AdaugaStare(m_tr, Utilizatorul(m_tr), intrare.Id, TStareCertificat::Predat, QString(), primitorCurat);
        tr.Commit();
    });
}
