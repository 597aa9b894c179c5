#include "editors/editorgeneric.h"

#include "base/textunrand.h"
#include "base/userprompt.h"
#include "db/identificator.h"
#include "db/tdm.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

const QString SelectValoare = QStringLiteral(
    "SELECT * FROM \"DATE\" WHERE (ID_%1=:ID) AND (COD_FORMULAR=:COD_FORMULAR) AND (COD_PAGINA=:COD_PAGINA) AND "
    "(COD_CAMP=:COD_CAMP)");

void LeagaRandul(TInterogare& q, const TEditorGeneric& editor, int id)
{
    q.ParamByName("ID", id);
    q.ParamByName("COD_FORMULAR", editor.CodFormular);
    q.ParamByName("COD_PAGINA", editor.CodPagina);
    q.ParamByName("COD_CAMP", editor.CodCamp);
}

bool ExistaRand(TInterogare& q, const TEditorGeneric& editor, const QString& tabel, int id)
{
    TInchideLaFinal inchide(q);
    q.SQL(SelectValoare.arg(tabel));
    LeagaRandul(q, editor, id);
    q.Open();
    return !q.Eof();
}

// The update clears the id columns of every other entity table: a stored value belongs to
// exactly one record of one table.
QString ComandaActualizare(const QString& tabel)
{
    QString sql = QStringLiteral("UPDATE \"DATE\" SET VALOARE_TEXT=:VAL, VALOARE_NUM=0");
    TInterogare& q = DM().Q2();
    TInchideLaFinal inchide(q);
    q.SQL(QStringLiteral("SELECT NUME_TABEL FROM TABELE WHERE NUME_TABEL <> :TAB"));
    q.ParamByName("TAB", tabel);
    for (q.Open(); !q.Eof(); q.Next())
        sql += QStringLiteral(", ID_") + NumeTabelVerificat(q.FieldByName(QStringLiteral("NUME_TABEL")).AsString())
            + QStringLiteral(" = NULL");
    return sql + QStringLiteral(" WHERE (ID_%1=:ID) AND (COD_FORMULAR=:COD_FORMULAR) AND (COD_PAGINA=:COD_PAGINA) "
                                "AND (COD_CAMP=:COD_CAMP)")
                     .arg(tabel);
}

} // namespace

TEditorGeneric::TEditorGeneric(QWidget* parent) : QFrame(parent), m_eticheta(new QLabel(this))
{
    setFixedHeight(36);
    setAutoFillBackground(true);
    QPalette paleta = palette();
    paleta.setColor(QPalette::Window, QColor(0xF7, 0xF6, 0xF5));
    setPalette(paleta);
    auto* asezare = new QVBoxLayout(this);
    asezare->setContentsMargins(8, 0, 4, 2);
    asezare->setSpacing(0);
    m_eticheta->setFixedHeight(13);
    asezare->addWidget(m_eticheta);
}

void TEditorGeneric::AsazaControl(QWidget* control)
{
    control->setFixedHeight(21);
    static_cast<QVBoxLayout*>(layout())->addWidget(control);
}

int TEditorGeneric::IdAles(const QString& tabel, int idElev, int idInregistrare)
{
    return tabel == QLatin1String("ELEVI") ? idElev : idInregistrare;
}

void TEditorGeneric::Incarca(const QString& codFormular, const QString& codPagina, const QString& codCamp,
                             const QString& tabel, int idElev, int idInregistrare)
{
    CodFormular = codFormular;
    CodPagina = codPagina;
    CodCamp = codCamp;
    Tabel = tabel;
    IdElev = idElev;
    IdInregistrare = idInregistrare;
    Id = IdAles(tabel, idElev, idInregistrare);
}

bool TEditorGeneric::PotSalva()
{
    Prompt().Avertisment(QStringLiteral("Functioa \"PotSalva\" nu este implementata pentru ")
                         + QString::fromLatin1(metaObject()->className()));
    return false;
}

void TEditorGeneric::Salveaza(int, int, const QString&) {}

QString TEditorGeneric::ValoareStocata() const
{
    TInterogare& q = DM().Q1();
    TInchideLaFinal inchide(q);
    q.SQL(SelectValoare.arg(NumeTabelVerificat(Tabel)));
    LeagaRandul(q, *this, Id);
    q.Open();
    return q.Eof() ? QString() : q.FieldByName(QStringLiteral("VALOARE_TEXT")).AsString();
}

void TEditorGeneric::RetineIncarcarea(const QString& stocata, const QLineEdit& control)
{
    m_stocata = stocata;
    m_afisata = control.text();
}

bool TEditorGeneric::Neatins(const QLineEdit& control) const
{
    return !m_stocata.isNull() && !control.isModified() && control.text() == m_afisata;
}

void TEditorGeneric::ScrieValoare(int idElev, int idInregistrare, const QString& tabel, const QLineEdit& control,
                                  int lungime) const
{
    const QString& t = NumeTabelVerificat(tabel);
    const int id = IdAles(t, idElev, idInregistrare);
    const QString valoare =
        Neatins(control) ? m_stocata : TaieLaCaractere(control.text().trimmed(), lungime).trimmed();
    TInterogare& q = DM().Q1();
    TInchideLaFinal inchide(q);
    if (!ExistaRand(q, *this, t, id)) {
        q.SQL(QStringLiteral("INSERT INTO \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_%1, VALOARE_TEXT, "
                             "VALOARE_NUM) VALUES (:COD_FORMULAR, :COD_PAGINA, :COD_CAMP, :ID, :VALOARE_TEXT, 0)")
                  .arg(t));
        q.ParamByName("VALOARE_TEXT", valoare);
    } else {
        q.SQL(ComandaActualizare(t));
        q.ParamByName("VAL", valoare);
    }
    LeagaRandul(q, *this, id);
    q.ExecSQL();
}
