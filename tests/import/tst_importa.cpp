// The spreadsheet import on a real database, from a class register written by openpyxl.
#include "registre/coloaneexcel.h"
#include "import/comandaimport.h"
#include "import/importexcel.h"
#include "registre/registru.h"
#include "support/datetest.h"
#include "support/mediutest.h"
#include "support/mesajeroare.h"

#include <QtTest>
#include <map>

namespace {

const QString Catalog = QStringLiteral(PRAVENT_SOURCE_DIR "/tests/import/fixtures/catalog_import.xlsx");
const QString FoaiaClasei = QStringLiteral("Clasa a VIII-a B");

TListaColoaneExcel CitesteCatalogul(const QString& foaie = FoaiaClasei)
{
    const std::unique_ptr<TRegistru> registru = DeschideRegistru(Catalog);
    TListaColoaneExcel coloane;
    CitesteFoaia(registru->Foaie(foaie), coloane);
    return coloane;
}

// The choices a secretary makes for this register; every other field is not imported.
const QStringList AlegeriClasa = {"PV.FATA.C_NUME=prima:B",           "PV.FATA.C_PRENUME=adoua:B",
                                  "PV.FATA.C_ABREVIERE=cnp:dra/dl",     "PV.FATA.C_ARTICOL=cnp:a/ul",
                                  "PV.SPATE.C_LB_ROMANA=coloana:D",     "PV.SPATE.C_MATEMATICA=coloana:E",
                                  "PV.SPATE.C_OPTIUNEA=constanta:Istorie"};

std::vector<TSursaCamp> Surse(const QStringList& alegeri, const QStringList& formulare = {})
{
    TComandaImport comanda;
    comanda.Campuri = alegeri;
    comanda.Formulare = formulare;
    return SurseDinComanda(comanda, CampuriImportabile());
}

// The fields of the pupil with that CNP, in the order asked; "?" when there is no such pupil
// or no single value row.
QStringList ValoriElev(TDM& dm, const QString& cnp, const QStringList& campuri)
{
    QStringList valori;
    for (const QString& referinta : campuri) {
        const TReferintaCamp camp = DescompuneReferinta(referinta);
        const QStringList gasite = ColoanaSql(
            dm, QStringLiteral("SELECT d.VALOARE_TEXT FROM \"DATE\" d JOIN \"DATE\" c ON c.ID_ELEVI = d.ID_ELEVI "
                               "WHERE c.COD_CAMP = 'C_CNP' AND c.VALOARE_TEXT = '%1' AND d.COD_FORMULAR = '%2' "
                               "AND d.COD_PAGINA = '%3' AND d.COD_CAMP = '%4'")
                    .arg(cnp, camp.Formular, camp.Pagina, camp.Camp));
        valori << (gasite.size() == 1 ? gasite.first() : QStringLiteral("?"));
    }
    return valori;
}

const QStringList CampuriVerificate = {"PV.FATA.C_NUME",       "PV.FATA.C_PRENUME",     "PV.FATA.C_ABREVIERE",
                                       "PV.FATA.C_ARTICOL",    "PV.SPATE.C_LB_ROMANA",  "PV.SPATE.C_MATEMATICA",
                                       "PV.SPATE.C_OPTIUNEA",  "PV.FATA.D_NUME"};

// What the register gives each pupil, by CNP.
const std::map<QString, QStringList> ClasaImportata = {
    {"6080312123451", {"POPESCU", "ANA MARIA", "dra", "a", "9,50", "8,25", "Istorie", ""}},
    {"5080312123456", {"IONESCU", "MIHAI", "dl", "ul", "7,00", "9,50", "Istorie", ""}},
    {"6081224123457", {"ŞTEFĂNESCU", "ŢEPEŞ IOANA", "dra", "a", "10,00", "9,00", "Istorie", ""}},
    {"5090101123458", {"DUMITRU", "ANDREI-VLAD", "dl", "ul", "6,75", "5,50", "Istorie", ""}},
    {"5081111123459", {"VASILE", "", "dl", "ul", "8,00", "8,00", "Istorie", ""}},
};

int NumarElevi(TDM& dm)
{
    return ColoanaSql(dm, QStringLiteral("SELECT COUNT(*) FROM ELEVI")).value(0).toInt();
}

TListaColoaneExcel Coloane(const std::vector<std::pair<QString, QStringList>>& texte)
{
    TListaColoaneExcel coloane;
    for (const auto& [litera, randuri] : texte) {
        TColoanaExcel coloana(litera);
        for (const QString& text : randuri)
            coloana.Adauga(text);
        coloane.Adauga(std::move(coloana));
    }
    return coloane;
}

} // namespace

class TestImporta : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void etichetaSiValoareaSursei();
    void campurileImportabile();
    void clasaInBazaGoalaApoiDinNou();
    void cnpExistentActualizeazaDoarElevul();
    void formularNebifatNuEsteScris();
    void randCareEsueazaPastreazaRandurileDinainte();
    void lungimeaMasurataInCaractere();
    void oprireDinProgres();
    void nimicDePreluat();
    void comandaRefuzaAlegerileGresite();

private:
    std::unique_ptr<TMediuTest> m_mediu;
    TDM* m_dm = nullptr;
};

void TestImporta::init()
{
    m_mediu = std::make_unique<TMediuTest>();
    m_dm = &m_mediu->PornesteDM();
}

void TestImporta::cleanup()
{
    m_mediu.reset();
}

void TestImporta::etichetaSiValoareaSursei()
{
    QCOMPARE(EtichetaCurata("[Candidat]Numele elevului (linia 1){cotor}"), QStringLiteral("Numele elevului (linia 1)"));
    QCOMPARE(EtichetaCurata("A[b[c]d]E{f{g}[h]}G]"), QStringLiteral("AEG"));
    QCOMPARE(EtichetaCurata("fara paranteze"), QStringLiteral("fara paranteze"));

    const TListaColoaneExcel coloane = Coloane({{"A", {"  POP  ION  MIHAI ", "UNUL", ""}}});
    TSursaCamp prima;
    prima.Mod = TModSursa::PrimaParte;
    prima.Coloana = QStringLiteral("A");
    TSursaCamp aDoua = prima;
    aDoua.Mod = TModSursa::ADouaParte;
    QCOMPARE(ValoareSursa(prima, coloane, 0, {}), QStringLiteral("POP"));
    QCOMPARE(ValoareSursa(aDoua, coloane, 0, {}), QStringLiteral("ION  MIHAI"));
    QCOMPARE(ValoareSursa(prima, coloane, 1, {}), QStringLiteral("UNUL"));
    QCOMPARE(ValoareSursa(aDoua, coloane, 1, {}), QString());
    QCOMPARE(ValoareSursa(aDoua, coloane, 2, {}), QString());
    prima.Coloana = QStringLiteral("B"); // not read from the sheet
    QCOMPARE(ValoareSursa(prima, coloane, 0, {}), QString());

    TSursaCamp dinCnp;
    dinCnp.Mod = TModSursa::DinCnp;
    dinCnp.TextFete = QStringLiteral("dra");
    dinCnp.TextBaieti = QStringLiteral("dl");
    const std::pair<const char*, const char*> cnpuri[] = {
        {"1950101123456", "dl"},  {"2950101123456", "dra"}, {"3950101123456", "dl"},  {"4950101123456", "dra"},
        {"5080312123456", "dl"},  {"6080312123451", "dra"}, {"7080312123456", "dl"},  {"8080312123456", "dra"},
        {"9080312123456", "dra"}, {"0080312123456", "dra"}, {"", "dra"}};
    for (const auto& [cnp, text] : cnpuri)
        QVERIFY2(ValoareSursa(dinCnp, coloane, 0, QString::fromLatin1(cnp)) == QLatin1String(text), cnp);
}

// The field pages: the pupils' own fields that copy none, in profile order, without the CNP.
void TestImporta::campurileImportabile()
{
    QStringList iduri;
    for (const TCampImportabil& camp : CampuriImportabile()) {
        iduri << camp.IdCamp;
        QCOMPARE(camp.CodFormular, QStringLiteral("PV"));
    }
    QCOMPARE(iduri, (QStringList{"PV.FATA.C_ABREVIERE", "PV.FATA.C_NUME", "PV.FATA.C_PRENUME", "PV.FATA.C_ARTICOL",
                                 "PV.FATA.D_NUME", "PV.SPATE.C_LB_ROMANA", "PV.SPATE.C_LB_MATERNA",
                                 "PV.SPATE.C_LB_MATERNA_NOTA", "PV.SPATE.C_MATEMATICA", "PV.SPATE.C_OPTIUNEA",
                                 "PV.SPATE.C_OPT_NOTA", "PV.SPATE.C_MEDIA_GEN"}));
    QCOMPARE(CampuriImportabile().at(1).EtichetaCurata, QStringLiteral("Numele elevului (linia 1)"));
}

void TestImporta::clasaInBazaGoalaApoiDinNou()
{
    const TListaColoaneExcel coloane = CitesteCatalogul();
    TRezultatImport r = Importa(coloane, "C", Surse(AlegeriClasa));
    QCOMPARE(r.Creati, 5);
    QCOMPARE(r.Actualizati, 0);
    QVERIFY(!r.Oprit);
    QCOMPARE(NumarElevi(*m_dm), 5);
    for (const auto& [cnp, valori] : ClasaImportata)
        QCOMPARE(ValoriElev(*m_dm, cnp, CampuriVerificate), valori);
    // Every field of a new pupil has its row, so that the editors and later imports find it;
    // the certificate's own CNP follows the counterfoil's.
    QCOMPARE(ColoanaSql(*m_dm, "SELECT COUNT(*) FROM \"DATE\" GROUP BY ID_ELEVI"), QStringList(5, "23"));
    const int id = ColoanaSql(*m_dm, "SELECT ID_ELEVI FROM \"DATE\" WHERE VALOARE_TEXT = '5080312123456'").value(0).toInt();
    QCOMPARE(ValoareCamp({"PV", "FATA", "D_CNP"}, id), QStringLiteral("5080312123456"));

    r = Importa(coloane, "C", Surse(AlegeriClasa));
    QCOMPARE(r.Creati, 0);
    QCOMPARE(r.Actualizati, 5);
    QCOMPARE(NumarElevi(*m_dm), 5);
    for (const auto& [cnp, valori] : ClasaImportata)
        QCOMPARE(ValoriElev(*m_dm, cnp, CampuriVerificate), valori);
}

void TestImporta::cnpExistentActualizeazaDoarElevul()
{
    const int ionescu = AdaugaInregistrare(*m_dm, "ELEVI");
    ScrieValoare(*m_dm, "ELEVI", ionescu, "PV.FATA.C_CNP", "5080312123456");
    ScrieValoare(*m_dm, "ELEVI", ionescu, "PV.FATA.C_NUME", "IONESCU-VECHI");
    ScrieValoare(*m_dm, "ELEVI", ionescu, "PV.SPATE.C_LB_MATERNA", "maghiara");
    const int altul = AdaugaInregistrare(*m_dm, "ELEVI");
    ScrieValoare(*m_dm, "ELEVI", altul, "PV.FATA.C_CNP", "5010101123450");
    ScrieValoare(*m_dm, "ELEVI", altul, "PV.FATA.C_NUME", "ALTUL");

    const TRezultatImport r = Importa(CitesteCatalogul(), "C", Surse(AlegeriClasa));
    QCOMPARE(r.Creati, 4);
    QCOMPARE(r.Actualizati, 1);
    QCOMPARE(NumarElevi(*m_dm), 6);
    QCOMPARE(ValoareCamp({"PV", "FATA", "C_NUME"}, ionescu), QStringLiteral("IONESCU"));
    QCOMPARE(ValoareCamp({"PV", "SPATE", "C_LB_MATERNA"}, ionescu), QStringLiteral("maghiara"));
    QCOMPARE(ValoareCamp({"PV", "FATA", "C_NUME"}, altul), QStringLiteral("ALTUL"));
    QCOMPARE(ColoanaSql(*m_dm, QStringLiteral("SELECT COUNT(*) FROM \"DATE\" WHERE ID_ELEVI = %1").arg(altul)),
             QStringList{"2"});
}

// A form left unticked: its fields are written nowhere, not even for the other forms' pupils.
void TestImporta::formularNebifatNuEsteScris()
{
    ExecutaSql(*m_dm, "INSERT INTO PROFIL_DIPLOMA (COD_FORMULAR, COD_PAGINA, COD_CAMP, ETICHETA_EDITOR, TIP_DE_DATE, "
                      "ASOCIAT_CU, ORDINE) VALUES ('BAC', 'FATA', 'C_NUME', '[Candidat]Numele', 'TEXT', 'ELEVI', 51)");
    QCOMPARE(CampuriImportabile().back().IdCamp, QStringLiteral("BAC.FATA.C_NUME"));
    const QStringList alegeri = AlegeriClasa + QStringList{"BAC.FATA.C_NUME=constanta:NU SE SCRIE"};
    const TRezultatImport r = Importa(CitesteCatalogul(), "C", Surse(alegeri, {"PV"}));
    QCOMPARE(r.Creati, 5);
    QCOMPARE(ColoanaSql(*m_dm, "SELECT COUNT(*) FROM \"DATE\" WHERE VALOARE_TEXT = 'NU SE SCRIE'"), QStringList{"0"});
    QCOMPARE(ValoriElev(*m_dm, "6080312123451", {"BAC.FATA.C_NUME", "PV.FATA.C_NUME"}),
             (QStringList{"", "POPESCU"}));
}

// The third pupil's remark is longer than the value column holds: refused with its row and
// field, the two pupils before it stay, nothing of it or after it is written.
void TestImporta::randCareEsueazaPastreazaRandurileDinainte()
{
    const QStringList alegeri = AlegeriClasa + QStringList{"PV.SPATE.C_LB_MATERNA=coloana:H"};
    const QString mesaj = MesajulErorii([&] { Importa(CitesteCatalogul("Lungi"), "C", Surse(alegeri)); });
    QCOMPARE(mesaj, QStringLiteral("Randul 6 (CNP 6081224123457) nu a putut fi preluat: textul pentru campul "
                                   "PV.SPATE.C_LB_MATERNA are 335 caractere, iar baza de date pastreaza cel mult "
                                   "256. Au fost preluati 2 elevi inainte de el."));
    QCOMPARE(NumarElevi(*m_dm), 2);
    QCOMPARE(ValoriElev(*m_dm, "5080312123456", {"PV.FATA.C_NUME", "PV.SPATE.C_LB_MATERNA"}),
             (QStringList{"IONESCU", ""}));
    QCOMPARE(ColoanaSql(*m_dm, "SELECT COUNT(*) FROM \"DATE\" WHERE VALOARE_TEXT IN ('6081224123457', "
                               "'5090101123458')"),
             QStringList{"0"});

    // A failure of the database itself names the row the same way, the row rolled back.
    ExecutaSql(*m_dm, "ALTER TABLE \"DATE\" ADD CONSTRAINT CK_FARA_VASILE CHECK (VALOARE_TEXT <> 'VASILE')");
    const QString deLaBaza = MesajulErorii([&] { Importa(CitesteCatalogul(), "C", Surse(AlegeriClasa)); });
    QVERIFY2(deLaBaza.startsWith("Randul 8 (CNP 5081111123459) nu a putut fi preluat: "), qPrintable(deLaBaza));
    QVERIFY2(deLaBaza.endsWith(" Au fost preluati 4 elevi inainte de el."), qPrintable(deLaBaza));
    QCOMPARE(NumarElevi(*m_dm), 4);
}

// The value column is UTF-8: 256 Romanian letters (512 bytes) fit, 257 do not.
void TestImporta::lungimeaMasurataInCaractere()
{
    const QString incape(256, QChar(0x0103));
    const TListaColoaneExcel coloane = Coloane({{"A", {"5080312123456", "6080312123451"}}, {"B", {incape, incape + "a"}}});
    const QString mesaj = MesajulErorii([&] { Importa(coloane, "A", Surse({"PV.FATA.C_NUME=coloana:B"})); });
    QCOMPARE(mesaj, QStringLiteral("Randul 2 (CNP 6080312123451) nu a putut fi preluat: textul pentru campul "
                                   "PV.FATA.C_NUME are 257 caractere, iar baza de date pastreaza cel mult 256. A "
                                   "fost preluat un elev inainte de el."));
    QCOMPARE(ValoriElev(*m_dm, "5080312123456", {"PV.FATA.C_NUME"}), QStringList{incape});
}

void TestImporta::oprireDinProgres()
{
    const TListaColoaneExcel coloane = CitesteCatalogul();
    QList<QPair<int, int>> apeluri;
    const TRezultatImport r = Importa(coloane, "C", Surse(AlegeriClasa), [&](int rand, int total) {
        apeluri.append({rand, total});
        return rand < 2;
    });
    QVERIFY(r.Oprit);
    QCOMPARE(r.Creati, 2);
    QCOMPARE(apeluri, (QList<QPair<int, int>>{{0, 5}, {1, 5}, {2, 5}}));
    QCOMPARE(NumarElevi(*m_dm), 2);

    // Stopped before the first row: nothing imported is no success.
    const QString mesaj = MesajulErorii([&] { Importa(coloane, "C", Surse(AlegeriClasa), [](int, int) { return false; }); });
    QCOMPARE(mesaj, QStringLiteral("Preluarea a fost oprita inainte de primul elev: nu a fost preluat niciun elev."));
    QCOMPARE(NumarElevi(*m_dm), 2);
}

void TestImporta::nimicDePreluat()
{
    const std::vector<TSursaCamp> surse = Surse(AlegeriClasa);
    QCOMPARE(MesajulErorii([&] { Importa(Coloane({{"A", {}}, {"C", {}}}), "C", surse); }),
             QStringLiteral("Nu am gasit niciun elev de preluat in foaia de calcul."));
    // The reason is told: a column past the sheet's last one, or a sheet with nothing in it.
    QCOMPARE(MesajulErorii([&] { Importa(CitesteCatalogul(), "Z", surse); }),
             QStringLiteral("UPS: nu pot identifica CNP-ul: coloana Z este dupa ultima coloana cu date a foii de calcul "
                            "(H)."));
    QCOMPARE(MesajulErorii([&] { Importa(TListaColoaneExcel(), "C", surse); }),
             QStringLiteral("UPS: nu pot identifica CNP-ul: foaia de calcul este goala."));
    // Kept for a CNP in another column: an empty CNP would match every pupil stored without one.
    const int faraCnp = AdaugaInregistrare(*m_dm, "ELEVI");
    ScrieValoare(*m_dm, "ELEVI", faraCnp, "PV.FATA.C_CNP", "");
    ScrieValoare(*m_dm, "ELEVI", faraCnp, "PV.FATA.C_NUME", "INTRODUS DE MANA");
    QCOMPARE(MesajulErorii([&] {
                 Importa(Coloane({{"A", {""}}, {"B", {"5080312123456"}}}), "A", Surse({"PV.FATA.C_NUME=constanta:X"}));
             }),
             QStringLiteral("Randul 1 nu a putut fi preluat: nu are CNP in coloana A. Nu a fost preluat niciun elev "
                            "inainte de el."));
    QCOMPARE(ValoareCamp({"PV", "FATA", "C_NUME"}, faraCnp), QStringLiteral("INTRODUS DE MANA"));

    ExecutaSql(*m_dm, "UPDATE PROFIL_DIPLOMA SET TIP_DE_DATE = 'TEXT' WHERE TIP_DE_DATE = 'CNP'");
    QCOMPARE(MesajulErorii([&] { Importa(CitesteCatalogul(), "C", surse); }),
             QStringLiteral("NU exista CNP in profil diploma!"));
    QCOMPARE(NumarElevi(*m_dm), 1);
}

void TestImporta::comandaRefuzaAlegerileGresite()
{
    const std::pair<QStringList, const char*> gresite[] = {
        {{"PV.FATA.C_CNP=coloana:C"}, "--field: \"PV.FATA.C_CNP\" nu este un camp al elevilor care se poate prelua."},
        {{"PV.FATA.C_NUME=coloana:B", "PV.FATA.C_NUME=prima:B"}, "--field PV.FATA.C_NUME este dat de doua ori."},
        {{"PV.FATA.C_NUME=coloana:AAA"}, "--field PV.FATA.C_NUME: \"AAA\" nu este o coloana intre A si ZZ."},
        {{"PV.FATA.C_NUME=coloana:"}, "--field PV.FATA.C_NUME: \"\" nu este o coloana intre A si ZZ."},
        {{"PV.FATA.C_NUME=prima:B7"}, "--field PV.FATA.C_NUME: \"B7\" nu este o coloana intre A si ZZ."},
        {{"PV.FATA.C_NUME=coloanaB"}, "--field PV.FATA.C_NUME: modul \"coloanaB\" nu este cunoscut; modurile sunt "
                                      "coloana:LITERE, constanta:TEXT, cnp:TEXT_FETE/TEXT_BAIETI, prima:LITERE sau "
                                      "adoua:LITERE."},
        {{"PV.FATA.C_ABREVIERE=cnp:dra"}, "--field PV.FATA.C_ABREVIERE: cnp cere TEXT_FETE/TEXT_BAIETI, nu \"dra\"."},
        {{"PV.FATA.C_NUME"}, "--field trebuie scris ID=MOD, nu \"PV.FATA.C_NUME\"."},
    };
    for (const auto& [alegeri, mesaj] : gresite)
        QCOMPARE(MesajulErorii([&] { Surse(alegeri); }), QString::fromUtf8(mesaj));
    QCOMPARE(MesajulErorii([&] { Surse({}, {"PV", "XX"}); }),
             QStringLiteral("--forms: formularul \"XX\" nu are campuri de preluat."));

    // Lower-case letters are columns too; texts keep their blanks and ":" and "/".
    const std::vector<TSursaCamp> surse =
        Surse({"PV.FATA.C_NUME=prima:b", "PV.SPATE.C_OPTIUNEA=constanta: a:b ", "PV.FATA.C_ARTICOL=cnp:a/ul/x"});
    const auto sursa = [&surse](const char* id) {
        return *std::find_if(surse.begin(), surse.end(), [id](const TSursaCamp& s) { return s.IdCamp == id; });
    };
    QCOMPARE(int(surse.size()), 12);
    QCOMPARE(sursa("PV.FATA.C_NUME").Coloana, QStringLiteral("B"));
    QCOMPARE(int(sursa("PV.FATA.C_NUME").Mod), int(TModSursa::PrimaParte));
    QCOMPARE(sursa("PV.SPATE.C_OPTIUNEA").Constanta, QStringLiteral(" a:b "));
    QCOMPARE(sursa("PV.FATA.C_ARTICOL").TextBaieti, QStringLiteral("ul/x"));
    QVERIFY(sursa("PV.FATA.D_NUME").NuImport);
    QVERIFY(!sursa("PV.FATA.C_NUME").NuImport);
}

QTEST_MAIN(TestImporta)
#include "tst_importa.moc"
