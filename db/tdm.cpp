#include "db/tdm.h"

#include "db/registrucertificate.h"

#include "base/dosardate.h"
#include "base/eroare.h"
#include "base/fisierintreg.h"
#include "base/userprompt.h"
#include "db/blocarepornireserver.h"
#include "db/copiibaza.h"
#include "db/identificator.h"
#include "db/locbazadedate.h"
#include "db/registrucertificate.h"
#include "db/schemainitiala.h"
#include "profile/inregistrare.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace {

TDM* g_dm = nullptr;

const char* const TipuriDeDate[] = {"TEXT", "CF", "SIRUES", "CNP", "NOTA", "CALIFICATIV", "NOTA sau CALIFICATIV"};

const QString CautaRelatie = QStringLiteral(
    "select    RDB$RELATION_NAME from    RDB$RELATIONS where    RDB$RELATION_NAME = :RDB$RELATION_NAME");
const QString CautaConstrangere = QStringLiteral(
    "select    RDB$CONSTRAINT_NAME from    RDB$RELATION_CONSTRAINTS where    RDB$CONSTRAINT_NAME = "
    ":RDB$CONSTRAINT_NAME");
const QString CautaGenerator = QStringLiteral(
    "select    RDB$GENERATOR_NAME from    RDB$GENERATORS where    RDB$GENERATOR_NAME = :RDB$GENERATOR_NAME");
const QString CautaColoana = QStringLiteral(
    "SELECT * FROM RDB$RELATION_FIELDS WHERE (RDB$RELATION_NAME=:TAB) AND (RDB$FIELD_NAME=:FLD)");

// Binds the three codes of a profile line or row.
void LeagaCoduri(TInterogare& q, const QString& formular, const QString& pagina, const QString& camp)
{
    q.ParamByName("COD_FORMULAR", formular);
    q.ParamByName("COD_PAGINA", pagina);
    q.ParamByName("COD_CAMP", camp);
}

using TLegare = std::function<void(TInterogare&)>;

// Whether the lookup finds a row; the query is closed again either way.
bool GasesteRand(TInterogare& q, const QString& sql, const TLegare& leaga)
{
    TInchideLaFinal inchide(q);
    q.SQL(sql);
    leaga(q);
    q.Open();
    return !q.Eof();
}

// What a row found by the lookup must hold for the update to change nothing.
using TRandLaZi = std::function<bool(const TInterogare&)>;

// The synchronisation's "find the row, then insert or update": the lookup binds the key,
// the update (when it found the row) or the insert binds the key and the values. A row that
// already holds the values is not rewritten: a start on an unchanged database writes nothing
// (and so still works on a full disk).
void InsereazaSauActualizeaza(TInterogare& q, const QString& cautare, const QString& actualizare,
                              const QString& inserare, const TLegare& leagaCheia, const TLegare& leagaValorile,
                              const TRandLaZi& laZi)
{
    bool exista = false;
    {
        TInchideLaFinal inchide(q);
        q.SQL(cautare);
        leagaCheia(q);
        q.Open();
        exista = !q.Eof();
        if (exista && laZi(q))
            return;
    }
    q.SQL(exista ? actualizare : inserare);
    leagaCheia(q);
    leagaValorile(q);
    q.ExecSQL();
}

QSet<QString> NumeTabele(TInterogare& q)
{
    QSet<QString> tabele;
    TInchideLaFinal inchide(q);
    q.SQL(QStringLiteral("select NUME_TABEL from TABELE"));
    for (q.Open(); !q.Eof(); q.Next())
        tabele.insert(q.Fields(0).AsString());
    return tabele;
}

QString CheieCamp(const QString& formular, const QString& pagina, const QString& camp)
{
    return formular + QLatin1Char('.') + pagina + QLatin1Char('.') + camp;
}

// The table each stored profile row belongs to now, by its codes.
QHash<QString, QString> AsociatCuStocate(TInterogare& q)
{
    QHash<QString, QString> stocate;
    TInchideLaFinal inchide(q);
    q.SQL(QStringLiteral("select COD_FORMULAR, COD_PAGINA, COD_CAMP, ASOCIAT_CU from PROFIL_DIPLOMA"));
    for (q.Open(); !q.Eof(); q.Next())
        stocate.insert(CheieCamp(q.Fields(0).AsString(), q.Fields(1).AsString(), q.Fields(2).AsString()),
                       q.Fields(3).AsString());
    return stocate;
}

// The user's choice of table stays, as the choice of ONOREZ_SIMILAR does; a new row, or a
// name that is none of the tables (typed by hand before), gets the profile's.
QString AsociatCuPastrat(const QHash<QString, QString>& stocate, const QSet<QString>& tabele,
                         const TLinieProfilDiploma& linie)
{
    const QString stocat = stocate.value(CheieCamp(linie.COD_FORMULAR, linie.COD_PAGINA, linie.COD_CAMP));
    return tabele.contains(stocat) ? stocat : linie.ASOCIAT_CU;
}

bool AcelasiCod(const TLinieProfilDiploma& linie, const QString& formular, const QString& pagina,
                const QString& camp)
{
    return linie.COD_FORMULAR == formular && linie.COD_PAGINA == pagina && linie.COD_CAMP == camp;
}

bool AcelasiText(const TInterogare& q, const char* coloana, const QString& valoare)
{
    const TCamp camp = q.FieldByName(QLatin1String(coloana));
    return !camp.IsNull() && camp.AsString() == valoare;
}

bool AcelasiIntreg(const TInterogare& q, const char* coloana, int valoare)
{
    const TCamp camp = q.FieldByName(QLatin1String(coloana));
    return !camp.IsNull() && camp.AsInteger() == valoare;
}

// Whether the row the query stands on already holds every value the update would write
// (asociatCu: the table the update would write, which need not be the line's).
bool RandulEsteLaZi(const TInterogare& q, const TLinieProfilDiploma& linie, const QString& asociatCu)
{
    return AcelasiText(q, "SIMILAR_CU", linie.SIMILAR_CU) && AcelasiText(q, "ETICHETA_EDITOR", linie.ETICHETA_EDITOR)
        && AcelasiText(q, "FORMULA", linie.FORMULA) && AcelasiText(q, "VIZIBIL", linie.VIZIBIL)
        && AcelasiText(q, "TIP_DE_DATE", linie.TIP_DE_DATE) && AcelasiText(q, "ASOCIAT_CU", asociatCu)
        && AcelasiText(q, "GRUP", linie.GRUP) && AcelasiIntreg(q, "LATIME_SUGERATA", linie.LATIME_SUGERATA)
        && AcelasiText(q, "COD_LINIE", linie.COD_LINIE) && AcelasiIntreg(q, "ORDINE", linie.ORDINE);
}

// A value table indexed by record whose records have more than doubled since the index's
// statistics were computed: the planner would still take the index for a poor one.
bool StatisticiDepasite(double selectivitate, int inregistrari)
{
    const double cunoscute = selectivitate > 0 ? 1.0 / selectivitate : 0.0;
    return inregistrari > 2.0 * cunoscute + 10.0;
}

// Present while a first start is under way: a start that finds it knows the one before was
// killed before the new database was complete, and builds it again from the template.
QString CaleSemnPrimaPornire(const QString& caleBaza)
{
    return caleBaza + QStringLiteral(".incomplet");
}

// Removes a file at the end of a scope, an error included (not a killed process).
class TStergeLaFinal {
public:
    explicit TStergeLaFinal(QString cale) : m_cale(std::move(cale)) {}
    ~TStergeLaFinal() { QFile::remove(m_cale); }
    TStergeLaFinal(const TStergeLaFinal&) = delete;
    TStergeLaFinal& operator=(const TStergeLaFinal&) = delete;

private:
    QString m_cale;
};

} // namespace

TDM& DM()
{
    if (!g_dm)
        throw EEroare(QStringLiteral("Modulul de date nu a fost creat."));
    return *g_dm;
}

bool ModululDeDateConectat()
{
    return g_dm && g_dm->Conectat();
}

TDM::TDM(std::function<void()> primulPas)
    : m_primulPas(std::move(primulPas)), m_tr(m_conexiune)
{
    for (std::size_t i = 0; i < m_q.size(); ++i)
        m_q[i] = std::make_unique<TInterogare>(m_tr, QStringLiteral("Q%1").arg(i + 1));
    g_dm = this;
}

TDM::~TDM()
{
    if (m_tr.Active()) {
        try {
            m_tr.Rollback();
        } catch (...) {
        }
    }
    for (auto& q : m_q)
        q.reset();
    m_conexiune.Inchide();
    if (g_dm == this)
        g_dm = nullptr;
}

bool TDM::PeServer() const
{
    return m_loc && m_loc->PeServer();
}

bool TDM::Conectat() const
{
    return m_conexiune.Deschisa();
}

void TDM::DataModuleCreate()
{
    if (m_primulPas)
        m_primulPas();
    GasesteSauCreeazaBazaDeDate();
    // Complete, or stopped by an error the user sees: either way no longer a start killed
    // half-way, and the user may enter data into the database from now on.
    std::optional<TStergeLaFinal> semn;
    if (!PeServer())
        semn.emplace(CaleSemnPrimaPornire(m_caleBazaDeDate));
    Conecteaza();
    const std::unique_ptr<TBlocarePornireServer> blocare = PeServer() ? PregatesteBazaServer() : nullptr;
    VerificaVersiunea();
    ActualizeazaSchema();
    SincronizeazaTabele();
    CreeazaStructuri();
    SincronizeazaTipuriDeDate();
    SincronizeazaProfil();
    ActualizeazaStatisticiIndecsi();
}

void TDM::GasesteSauCreeazaBazaDeDate()
{
    m_loc = LocBazaDeDate();
    m_caleBazaDeDate = m_loc->Conexiune();
    // The server arbitrates between its users itself; its backups are made with gbak.
    if (m_loc->PeServer())
        return;
    if (!m_blocare)
        m_blocare = std::make_unique<TBlocareInstanta>();
    QDir().mkpath(QFileInfo(m_caleBazaDeDate).absolutePath());
    const QString semn = CaleSemnPrimaPornire(m_caleBazaDeDate);
    if (QFile::exists(semn))
        QFile::remove(m_caleBazaDeDate);
    if (QFile::exists(m_caleBazaDeDate)) {
        FaCopiaZilnica();
        return;
    }
    const QString sablon = CaleSablonBazaDeDate();
    if (!QFile::exists(sablon)) {
        throw ESablonLipsa(QStringLiteral("Nu exista baza de date curenta si nu gasesc baza de date \"BLANK\" "
                                          "pentru initializare.\r\nDB Curent:%1\r\nDB Blank:%2")
                               .arg(m_caleBazaDeDate, sablon));
    }
    CreeazaDinSablon(sablon, semn);
}

// The copy becomes the database only once the engine has opened it: a damaged or truncated
// template never takes its place.
void TDM::CreeazaDinSablon(const QString& sablon, const QString& semn)
{
    try {
        CopiazaFisierIntreg(sablon, m_caleBazaDeDate, [&semn](const QString& copie) {
            VersiuneaFisierului(copie);
            return QFile(semn).open(QIODevice::WriteOnly);
        });
    } catch (const EEroare& e) {
        QFile::remove(semn);
        throw EEroare(QStringLiteral("Nu pot crea baza de date \"%1\" din sablonul \"%2\": %3")
                          .arg(m_caleBazaDeDate, sablon, e.Mesaj()));
    }
}

// A copy that cannot be made is reported and the start goes on; a copy that shows the
// database to be newer than this program stops it before the engine has touched the file.
void TDM::FaCopiaZilnica()
{
    const TCopiiZilnice copii(m_caleBazaDeDate);
    const QDate azi = QDate::currentDate();
    std::optional<int> versiune;
    try {
        versiune = copii.FaCopia(azi);
    } catch (const EEroare& e) {
        Prompt().Avertisment(QStringLiteral("Copia zilnica a bazei de date nu a putut fi facuta: %1").arg(e.Mesaj()));
        return;
    }
    if (versiune && *versiune > VersiuneSchemaCunoscuta) {
        // Not kept: so the next start checks a new copy again, and the engine never opens
        // the file of the newer program.
        QFile::remove(copii.CaleCopie(azi));
        VerificaVersiuneaCunoscuta(m_caleBazaDeDate, *versiune);
    }
}

void TDM::VerificaVersiunea()
{
    int versiune = 0;
    {
        TGardaTranzactie tr(m_tr);
        TInchideLaFinal inchide(Q1());
        Q1().SQL(QStringLiteral("SELECT VERSIUNE FROM CONFID_DB"));
        Q1().Open();
        versiune = Q1().Eof() ? 0 : Q1().FieldByName(QStringLiteral("VERSIUNE")).AsInteger();
    }
    VerificaVersiuneaCunoscuta(m_caleBazaDeDate, versiune);
}

void TDM::Conecteaza()
{
    m_conexiune.Deschide(m_loc.value_or(TLocBazaDeDate::Fisier(m_caleBazaDeDate)));
}

std::unique_ptr<TBlocarePornireServer> TDM::PregatesteBazaServer()
{
    // Refused before the lock, whose table would be the first thing written.
    if (!BazaServerGoala())
        VerificaVersiunea();
    auto blocare = std::make_unique<TBlocarePornireServer>(*m_loc);
    // Looked at again: a start held up by the lock finds what the one before it made.
    if (BazaServerGoala())
        CreeazaSchemaInitiala();
    return blocare;
}

bool TDM::BazaServerGoala()
{
    int tabele = 0;
    bool aProgramului = false;
    {
        TGardaTranzactie tr(m_tr);
        TInchideLaFinal inchide(Q1());
        Q1().SQL(QStringLiteral("SELECT COUNT(*) AS TABELE, COALESCE(SUM(IIF(RDB$RELATION_NAME = 'CONFID_DB', 1, 0)), 0) "
                                "AS CONFID FROM RDB$RELATIONS WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0 AND "
                                "RDB$RELATION_NAME <> :BLOCARE"));
        Q1().ParamByName(QStringLiteral("BLOCARE"), TBlocarePornireServer::Tabela());
        Q1().Open();
        tabele = Q1().FieldByName(QStringLiteral("TABELE")).AsInteger();
        aProgramului = Q1().FieldByName(QStringLiteral("CONFID")).AsInteger() > 0;
    }
    if (tabele > 0 && !aProgramului)
        throw EOprestePornirea(QStringLiteral("Baza de date \"%1\" nu este a acestui program: contine alte tabele si "
                                              "nu tabela CONFID_DB. Alegeti o baza de date goala sau pe cea a "
                                              "programului; baza de date nu a fost modificata.")
                                   .arg(m_caleBazaDeDate));
    return tabele == 0;
}

void TDM::CreeazaSchemaInitiala()
{
    for (const QStringList& tranzactie : TranzactiiSchemaInitiala())
        RuleazaInTranzactieProprie([&] {
            for (const QString& instructiune : tranzactie) {
                Q1().SQL(instructiune);
                Q1().ExecSQL();
            }
        });
}

void TDM::ActualizeazaSchema()
{
    int versiune = 0;
    {
        TGardaTranzactie tr(m_tr);
        Q1().SQL(QStringLiteral("SELECT VERSIUNE FROM CONFID_DB"));
        Q1().Open();
        if (Q1().Eof())
            throw EEroare(QStringLiteral("Tabela CONFID_DB nu contine versiunea bazei de date."));
        versiune = Q1().FieldByName(QStringLiteral("VERSIUNE")).AsInteger();
    }
    if (versiune < 2) {
        TGardaTranzactie tr(m_tr);
        Q1().SQL(QStringLiteral("ALTER TABLE PROFIL_DIPLOMA ADD LATIME_SUGERATA INTEGER, ADD COD_LINIE VARCHAR(32)"));
        Q1().ExecSQL();
        Q1().SQL(QStringLiteral("UPDATE CONFID_DB SET VERSIUNE=2"));
        Q1().ExecSQL();
        tr.Commit();
    }
    if (versiune < 3) {
        TGardaTranzactie tr(m_tr);
        Q1().SQL(QStringLiteral("ALTER TABLE PROFIL_DIPLOMA ADD ORDINE INTEGER"));
        Q1().ExecSQL();
        Q1().SQL(QStringLiteral("UPDATE CONFID_DB SET VERSIUNE=3"));
        Q1().ExecSQL();
        tr.Commit();
    }
    if (versiune < 4) {
        TGardaTranzactie tr(m_tr);
        for (const QString& instructiune : InstructiuniSchemaRegistru()) {
            Q1().SQL(instructiune);
            Q1().ExecSQL();
        }
        Q1().SQL(QStringLiteral("UPDATE CONFID_DB SET VERSIUNE=4"));
        Q1().ExecSQL();
        tr.Commit();
    }
}

void TDM::SincronizeazaTabele()
{
    const TClasaListaTabele* clasa = ListaTabeleInregistrata();
    if (!clasa)
        throw EEroare(QStringLiteral("Nu ai inclus nici o \"lista tabel\""));
    const std::unique_ptr<TListaLiniiTabel> lista = clasa->Create();
    TGardaTranzactie tr(m_tr);
    for (int i = 0; i < lista->Count(); ++i) {
        const TLinieTabel& linie = lista->Linie(i);
        InsereazaSauActualizeaza(Q1(), QStringLiteral("select    * from    TABELE where    (NUME_TABEL = :NUME_TABEL)"),
                                 QStringLiteral("update    TABELE set    NUME_TABEL = :NUME_TABEL, EXP_DENUMIRE = "
                                                ":EXP_DENUMIRE where    (NUME_TABEL = :NUME_TABEL)"),
                                 QStringLiteral("insert into    TABELE    (NUME_TABEL, EXP_DENUMIRE) values    "
                                                "(:NUME_TABEL, :EXP_DENUMIRE)"),
                                 [&linie](TInterogare& q) { q.ParamByName("NUME_TABEL", linie.NUME_TABEL); },
                                 [&linie](TInterogare& q) { q.ParamByName("EXP_DENUMIRE", linie.EXP_DENUMIRE); },
                                 [&linie](const TInterogare& q) {
                                     return AcelasiText(q, "EXP_DENUMIRE", linie.EXP_DENUMIRE);
                                 });
    }
    tr.Commit();
}

void TDM::CreeazaStructuri()
{
    QStringList tabele;
    {
        TGardaTranzactie tr(m_tr);
        Q1().SQL(QStringLiteral("select NUME_TABEL from TABELE"));
        for (Q1().Open(); !Q1().Eof(); Q1().Next())
            tabele.append(Q1().FieldByName(QStringLiteral("NUME_TABEL")).AsString());
        tr.Commit();
    }
    // Every name is checked before the first statement: a name refused half-way would leave
    // structures that the next start cannot complete.
    for (const QString& tabel : std::as_const(tabele))
        NumeTabelPentruStructuri(tabel);
    for (const QString& tabel : std::as_const(tabele)) {
        RuleazaInTranzactieProprie([&] { CreeazaTabela(tabel); });
        RuleazaInTranzactieProprie([&] { CreeazaCheiePrimara(tabel); });
        RuleazaInTranzactieProprie([&] { CreeazaGenerator(tabel); });
        RuleazaInTranzactieProprie([&] { AdaugaColoaneDate(tabel); });
        RuleazaInTranzactieProprie([&] { AdaugaLegaturiDate(tabel); });
    }
}

void TDM::RuleazaInTranzactieProprie(const std::function<void()>& pas)
{
    TGardaTranzactie tr(m_tr);
    pas();
    tr.Commit();
}

bool TDM::ExistaInCatalog(const QString& sqlCautare, const QString& parametru, const QString& valoare)
{
    TInchideLaFinal inchide(Q2());
    Q2().SQL(sqlCautare);
    Q2().ParamByName(parametru, valoare);
    Q2().Open();
    return !Q2().Eof();
}

void TDM::CreeazaTabela(const QString& tabel)
{
    const QString& t = NumeTabelVerificat(tabel);
    if (ExistaInCatalog(CautaRelatie, QStringLiteral("RDB$RELATION_NAME"), t))
        return;
    Q1().SQL(QStringLiteral("create table ") + t + QStringLiteral("(") + QStringLiteral("    ID_") + t
             + QStringLiteral(" INTEGER NOT NULL ") + QStringLiteral(");"));
    Q1().ExecSQL();
}

void TDM::CreeazaCheiePrimara(const QString& tabel)
{
    const QString& t = NumeTabelVerificat(tabel);
    if (ExistaInCatalog(CautaConstrangere, QStringLiteral("RDB$CONSTRAINT_NAME"), QStringLiteral("PK_") + t))
        return;
    Q1().SQL(QStringLiteral("ALTER TABLE %1 ADD CONSTRAINT PK_%1 PRIMARY KEY (ID_%1);").arg(t));
    Q1().ExecSQL();
}

void TDM::CreeazaGenerator(const QString& tabel)
{
    const QString& t = NumeTabelVerificat(tabel);
    if (ExistaInCatalog(CautaGenerator, QStringLiteral("RDB$GENERATOR_NAME"), QStringLiteral("G_ID_") + t))
        return;
    Q1().SQL(QStringLiteral("CREATE GENERATOR G_ID_") + t + QStringLiteral(";"));
    Q1().ExecSQL();
    Q1().SQL(QStringLiteral("SET GENERATOR G_ID_") + t + QStringLiteral(" TO 0;"));
    Q1().ExecSQL();
}

void TDM::AdaugaColoaneDate(const QString& tabel)
{
    const QString& t = NumeTabelVerificat(tabel);
    for (const QString& coloana : {QStringLiteral("ID_") + t, QStringLiteral("IDF_") + t}) {
        TInchideLaFinal inchide(Q2());
        Q2().SQL(CautaColoana);
        Q2().ParamByName("TAB", QStringLiteral("DATE"));
        Q2().ParamByName("FLD", coloana);
        Q2().Open();
        if (!Q2().Eof())
            continue;
        Q1().SQL(QStringLiteral("ALTER TABLE \"DATE\" ADD ") + coloana + QStringLiteral(" INTEGER"));
        Q1().ExecSQL();
    }
}

void TDM::AdaugaLegaturiDate(const QString& tabel)
{
    const QString& t = NumeTabelVerificat(tabel);
    const struct {
        QString Constrangere, Coloana;
    } legaturi[] = {{QStringLiteral("FK_%1_1").arg(t), QStringLiteral("ID_") + t},
                    {QStringLiteral("FK_%1_2").arg(t), QStringLiteral("IDF_") + t}};
    for (const auto& legatura : legaturi) {
        if (ExistaInCatalog(CautaConstrangere, QStringLiteral("RDB$CONSTRAINT_NAME"), legatura.Constrangere))
            continue;
        Q1().SQL(QStringLiteral("alter table \"DATE\" add constraint %1 foreign key (%2) references %3(ID_%3) on "
                                "delete CASCADE")
                     .arg(legatura.Constrangere, legatura.Coloana, t));
        Q1().ExecSQL();
    }
}

void TDM::SincronizeazaTipuriDeDate()
{
    TGardaTranzactie tr(m_tr);
    for (const char* tip : TipuriDeDate) {
        if (GasesteRand(Q1(), QStringLiteral("select * from TIPURI_DE_DATE where TIP_DE_DATE = :TIP_DE_DATE"),
                        [tip](TInterogare& q) { q.ParamByName("TIP_DE_DATE", QString::fromLatin1(tip)); }))
            continue;
        Q1().SQL(QStringLiteral("insert into TIPURI_DE_DATE (TIP_DE_DATE) values (:TIP_DE_DATE)"));
        Q1().ParamByName("TIP_DE_DATE", QString::fromLatin1(tip));
        Q1().ExecSQL();
    }
    tr.Commit();
}

void TDM::SincronizeazaProfil()
{
    const TClasaProfilDiploma* clasa = ProfilInregistrat();
    if (!clasa)
        throw EEroare(QStringLiteral("Nu ai inclus nici o \"lista profil\""));
    SincronizeazaProfil(*clasa->Create());
}

void TDM::SincronizeazaProfil(const TListaLiniiProfilDiploma& profil)
{
    TGardaTranzactie tr(m_tr);
    const QSet<QString> tabele = NumeTabele(Q1());
    const QHash<QString, QString> asociatCuStocate = AsociatCuStocate(Q1());
    for (int i = 0; i < profil.Count(); ++i) {
        const TLinieProfilDiploma& linie = profil.Linie(i);
        const QString asociatCu = AsociatCuPastrat(asociatCuStocate, tabele, linie);
        InsereazaSauActualizeaza(
            Q1(),
            QStringLiteral("select    * from    PROFIL_DIPLOMA where    (COD_FORMULAR = :COD_FORMULAR) and "
                           "(COD_PAGINA = :COD_PAGINA) and (COD_CAMP = :COD_CAMP)"),
            QStringLiteral(
                "update    PROFIL_DIPLOMA set    SIMILAR_CU = :SIMILAR_CU, ETICHETA_EDITOR = "
                ":ETICHETA_EDITOR,    FORMULA = :FORMULA, VIZIBIL = :VIZIBIL, TIP_DE_DATE = "
                ":TIP_DE_DATE,    ASOCIAT_CU = :ASOCIAT_CU, GRUP = :GRUP, "
                "LATIME_SUGERATA=:LATIME_SUGERATA, COD_LINIE=:COD_LINIE, ORDINE=:ORDINE where    "
                "(COD_FORMULAR = :COD_FORMULAR) and (COD_PAGINA = :COD_PAGINA) and (COD_CAMP = "
                ":COD_CAMP)"),
            QStringLiteral(
                "insert into    PROFIL_DIPLOMA    (COD_FORMULAR, COD_PAGINA, COD_CAMP, SIMILAR_CU, "
                "ONOREZ_SIMILAR,    ETICHETA_EDITOR, FORMULA, VIZIBIL, TIP_DE_DATE, ASOCIAT_CU, GRUP, "
                "LATIME_SUGERATA, COD_LINIE, ORDINE) values    (:COD_FORMULAR, :COD_PAGINA, :COD_CAMP, "
                ":SIMILAR_CU, 'DA',    :ETICHETA_EDITOR, :FORMULA, :VIZIBIL, :TIP_DE_DATE, :ASOCIAT_CU, "
                ":GRUP, :LATIME_SUGERATA, :COD_LINIE, :ORDINE)"),
            [&linie](TInterogare& q) { LeagaCoduri(q, linie.COD_FORMULAR, linie.COD_PAGINA, linie.COD_CAMP); },
            [&linie, &asociatCu](TInterogare& q) {
                q.ParamByName("SIMILAR_CU", linie.SIMILAR_CU);
                q.ParamByName("ETICHETA_EDITOR", linie.ETICHETA_EDITOR);
                q.ParamByName("FORMULA", linie.FORMULA);
                q.ParamByName("VIZIBIL", linie.VIZIBIL);
                q.ParamByName("TIP_DE_DATE", linie.TIP_DE_DATE);
                q.ParamByName("ASOCIAT_CU", asociatCu);
                q.ParamByName("GRUP", linie.GRUP);
                q.ParamByName("LATIME_SUGERATA", linie.LATIME_SUGERATA);
                q.ParamByName("COD_LINIE", linie.COD_LINIE);
                q.ParamByName("ORDINE", linie.ORDINE);
            },
            [&linie, &asociatCu](const TInterogare& q) { return RandulEsteLaZi(q, linie, asociatCu); });
    }

    // Rows no line names any more (exact, case-sensitive codes) are deleted while the walk goes on.
    Q1().SQL(QStringLiteral("select COD_FORMULAR, COD_PAGINA, COD_CAMP from PROFIL_DIPLOMA"));
    for (Q1().Open(); !Q1().Eof(); Q1().Next()) {
        const QString formular = Q1().FieldByName(QStringLiteral("COD_FORMULAR")).AsString();
        const QString pagina = Q1().FieldByName(QStringLiteral("COD_PAGINA")).AsString();
        const QString camp = Q1().FieldByName(QStringLiteral("COD_CAMP")).AsString();
        bool pastrat = false;
        for (int i = 0; i < profil.Count(); ++i)
            pastrat = pastrat || AcelasiCod(profil.Linie(i), formular, pagina, camp);
        if (pastrat)
            continue;
        Q2().SQL(QStringLiteral("delete from PROFIL_DIPLOMA where (COD_FORMULAR = :COD_FORMULAR) and (COD_PAGINA = "
                                ":COD_PAGINA) and (COD_CAMP = :COD_CAMP)"));
        LeagaCoduri(Q2(), formular, pagina, camp);
        Q2().ExecSQL();
    }
    Q1().Close();
    tr.Commit();
}

bool TDM::StatisticiDeRefacut()
{
    QHash<QString, int> inregistrari;
    TInchideLaFinal inchide(Q1());
    Q1().SQL(QStringLiteral("select i.RDB$STATISTICS AS SELECTIVITATE, TRIM(s.RDB$FIELD_NAME) AS COLOANA from "
                            "RDB$INDICES i join RDB$INDEX_SEGMENTS s on s.RDB$INDEX_NAME = i.RDB$INDEX_NAME and "
                            "s.RDB$FIELD_POSITION = 0 where i.RDB$RELATION_NAME = 'DATE'"));
    for (Q1().Open(); !Q1().Eof(); Q1().Next()) {
        // The owner column ID_<T> follows its table's records; the link columns IDF_<T> are
        // mostly empty and say nothing about growth.
        const QString coloana = Q1().FieldByName(QStringLiteral("COLOANA")).AsString();
        const QString tabel = coloana.mid(3);
        if (!coloana.startsWith(QLatin1String("ID_")) || tabel.isEmpty())
            continue;
        if (!inregistrari.contains(tabel)) {
            TInchideLaFinal inchideNumararea(Q2());
            Q2().SQL(QStringLiteral("select count(*) AS NUMAR from ") + NumeTabelVerificat(tabel));
            Q2().Open();
            inregistrari.insert(tabel, Q2().FieldByName(QStringLiteral("NUMAR")).AsInteger());
        }
        const double selectivitate = Q1().FieldByName(QStringLiteral("SELECTIVITATE")).AsString().toDouble();
        if (StatisticiDepasite(selectivitate, inregistrari.value(tabel)))
            return true;
    }
    return false;
}

void TDM::ActualizeazaStatisticiIndecsi()
{
    try {
        RefaStatisticiIndecsi();
    } catch (const EEroare&) {
        // Refused to whoever does not own the tables: only speed depends on it, and a signal
        // or a silent server is met again by the next statement.
    }
}

void TDM::RefaStatisticiIndecsi()
{
    QStringList indecsi;
    TGardaTranzactie tr(m_tr);
    // Refreshing writes the catalogue; only a value table that grew markedly needs it.
    if (!StatisticiDeRefacut())
        return;
    Q1().SQL(QStringLiteral("select TRIM(RDB$INDEX_NAME) AS NUME from RDB$INDICES where RDB$RELATION_NAME = 'DATE'"));
    for (Q1().Open(); !Q1().Eof(); Q1().Next())
        indecsi.append(Q1().FieldByName(QStringLiteral("NUME")).AsString());
    Q1().Close();
    for (const QString& index : std::as_const(indecsi)) {
        Q1().SQL(QStringLiteral("SET STATISTICS INDEX ") + NumeTabelVerificat(index));
        Q1().ExecSQL();
    }
    tr.Commit();
}
