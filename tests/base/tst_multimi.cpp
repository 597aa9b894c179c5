#include "base/multimi.h"

#include <QtTest>

// Each closed set reads back every value it writes, and a stored text or number it does
// not know reads as the documented fallback.
class TestMultimi : public QObject {
    Q_OBJECT
private slots:
    void oglindaDusIntors();
    void oglindaNecunoscuta();
    void modScriereNotaDusIntors();
    void modScriereNotaNecunoscut();
    void modAlimentare();
    void tipNota();
    void pagini();
    void codurileParticularizarii();
};

void TestMultimi::oglindaDusIntors()
{
    for (const TOglinda o : {TOglinda::Da, TOglinda::Nu, TOglinda::Nealeasa})
        QCOMPARE(OglindaDinText(TextOglinda(o)), o);
    QCOMPARE(TextOglinda(TOglinda::Da), QString("D"));
    QCOMPARE(TextOglinda(TOglinda::Nu), QString("N"));
    QCOMPARE(TextOglinda(TOglinda::Nealeasa), QString("*"));
}

void TestMultimi::oglindaNecunoscuta()
{
    // A choice other than "D" was always printed unmirrored, and never asked again.
    QCOMPARE(OglindaDinText("d"), TOglinda::Nu);
    QCOMPARE(OglindaDinText(""), TOglinda::Nu);
    QCOMPARE(OglindaDinText("DA"), TOglinda::Nu);
}

void TestMultimi::modScriereNotaDusIntors()
{
    const QStringList asteptate = {"NOTA", "NOTA(PROCENT)", "NOTA/PROCENT", "NOTA/LITERE"};
    QCOMPARE(ModuriScriereNota().size(), asteptate.size());
    for (int i = 0; i < asteptate.size(); ++i) {
        QCOMPARE(TextModScriereNota(ModuriScriereNota().at(i)), asteptate.at(i));
        QCOMPARE(ModScriereNotaDinText(asteptate.at(i)), std::optional(ModuriScriereNota().at(i)));
    }
}

void TestMultimi::modScriereNotaNecunoscut()
{
    QCOMPARE(ModScriereNotaDinText("nota"), std::optional<TModScriereNota>());
    QCOMPARE(ModScriereNotaDinText(" NOTA"), std::optional<TModScriereNota>());
    QCOMPARE(ModScriereNotaDinText(""), std::optional<TModScriereNota>());
}

void TestMultimi::modAlimentare()
{
    for (int n = 0; n <= 4; ++n)
        QCOMPARE(NumarModAlimentare(ModAlimentareDinNumar(n)), n);
    QCOMPARE(ModAlimentareDinNumar(5), TModAlimentare::Necalibrat);
    QCOMPARE(ModAlimentareDinNumar(-1), TModAlimentare::Necalibrat);
    // The sheet goes in from above for the top feed and the tray shown upside down.
    QVERIFY(AlimentareInJos(TModAlimentare::PrinSus));
    QVERIFY(AlimentareInJos(TModAlimentare::CasetaInversata));
    QVERIFY(!AlimentareInJos(TModAlimentare::Frontal));
    QVERIFY(!AlimentareInJos(TModAlimentare::CasetaNormala));
    QVERIFY(!AlimentareInJos(TModAlimentare::Necalibrat));
}

void TestMultimi::tipNota()
{
    QCOMPARE(TipNotaDinText("NOTA_DIPLOMA"), std::optional(TipNotaDiploma));
    QCOMPARE(TipNotaDinText("nota_cotor "), std::optional(TipNotaCotor));
    QCOMPARE(TipNotaDinText("MEDIE_DIPLOMA"), std::optional(TipMedieDiploma));
    QCOMPARE(TipNotaDinText("Medie_Cotor"), std::optional(TipMedieCotor));
    QCOMPARE(TipNotaDinText("NOTA"), std::optional<TTipNota>());
}

void TestMultimi::pagini()
{
    QCOMPARE(PaginiDinText("fata"), std::optional(TPaginiCertificat::Fata));
    QCOMPARE(PaginiDinText("spate"), std::optional(TPaginiCertificat::Spate));
    QCOMPARE(PaginiDinText("ambele"), std::optional(TPaginiCertificat::Ambele));
    QCOMPARE(PaginiDinText("Fata"), std::optional<TPaginiCertificat>());
    QCOMPARE(PaginileAlese(TPaginiCertificat::Ambele),
             (QList<TPaginaCertificat>{TPaginaCertificat::Fata, TPaginaCertificat::Spate}));
    QCOMPARE(PaginileAlese(TPaginiCertificat::Spate), QList<TPaginaCertificat>{TPaginaCertificat::Spate});
    QCOMPARE(PaginaDinIndex(0), TPaginaCertificat::Fata);
    QCOMPARE(PaginaDinIndex(1), TPaginaCertificat::Spate);
    QCOMPARE(IndexPagina(PaginaDinIndex(1)), 1);
}

void TestMultimi::codurileParticularizarii()
{
    QCOMPARE(AliniereParticularizataDinNumar(0), TAliniereParticularizata::Pastreaza);
    QCOMPARE(AliniereParticularizataDinNumar(1), TAliniereParticularizata::Stanga);
    QCOMPARE(AliniereParticularizataDinNumar(2), TAliniereParticularizata::Centru);
    QCOMPARE(AliniereParticularizataDinNumar(3), TAliniereParticularizata::Dreapta);
    QCOMPARE(AliniereParticularizataDinNumar(4), TAliniereParticularizata::Pastreaza);
    QVERIFY(StilAplicat(StilParticularizatDinNumar(1), false));
    QVERIFY(!StilAplicat(StilParticularizatDinNumar(2), true));
    QVERIFY(StilAplicat(StilParticularizatDinNumar(0), true));
    QVERIFY(!StilAplicat(StilParticularizatDinNumar(7), false));
}

QTEST_GUILESS_MAIN(TestMultimi)
#include "tst_multimi.moc"
