#include "widgets/brvvgrideditorform.h"

#include "base/eroare.h"
#include "widgets/textvaloare.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QToolButton>
#include <limits>

namespace {

QToolButton* ButonMic(QWidget* parinte, QStyle::StandardPixmap imagine, const QString& indiciu)
{
    auto* buton = new QToolButton(parinte);
    buton->setIcon(parinte->style()->standardIcon(imagine));
    buton->setToolTip(indiciu);
    buton->setAutoRaise(true);
    buton->setFocusPolicy(Qt::NoFocus);
    return buton;
}

bool EsteCifra(const QString& tasta)
{
    return tasta.size() == 1 && tasta[0] >= u'0' && tasta[0] <= u'9';
}

// Widest integer part per type, so that a parsed number always fits its container.
int CifreIntregi(int zecimale)
{
    return zecimale == 4 ? 14 : 9;
}

} // namespace

TBrvVGridEditorForm::TBrvVGridEditorForm(const TBrvValoareDate& valoare, const QString& tasta, QWidget* parent)
    : QFrame(parent), m_tip(valoare.TipValoare()), m_initiala(valoare)
{
    if (!valoare.AreTipReal())
        throw EEroare(QStringLiteral("Nu cunosc tipul"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    auto* asezare = new QHBoxLayout(this);
    asezare->setContentsMargins(1, 0, 1, 0);
    asezare->setSpacing(1);
    CreeazaControl(tasta);
    asezare->addWidget(Control(), 1);
    QToolButton* confirma = ButonMic(this, QStyle::SP_DialogApplyButton, QStringLiteral("Confirm"));
    QToolButton* renunta = ButonMic(this, QStyle::SP_DialogCancelButton, QStringLiteral("Renunt"));
    asezare->addWidget(confirma);
    asezare->addWidget(renunta);
    connect(confirma, &QToolButton::clicked, this, &TBrvVGridEditorForm::IncearcaConfirmarea);
    connect(renunta, &QToolButton::clicked, this, &TBrvVGridEditorForm::Renunta);
    Control()->installEventFilter(this);
    setFocusProxy(Control());
}

QWidget* TBrvVGridEditorForm::Control() const
{
    return m_data ? static_cast<QWidget*>(m_data) : m_text;
}

int TBrvVGridEditorForm::Zecimale() const
{
    switch (m_tip) {
    case TBrvValoareDate::TipSuma:
        return 4;
    case TBrvValoareDate::TipSutimi:
        return 2;
    default:
        return 0;
    }
}

void TBrvVGridEditorForm::CreeazaControl(const QString& tasta)
{
    if (m_tip >= TBrvValoareDate::TipDataFaraAn) {
        m_data = new QDateEdit(this);
        m_data->setCalendarPopup(true);
        m_data->setDisplayFormat(m_tip == TBrvValoareDate::TipDataFaraAn ? QStringLiteral("dd.MM")
                                                                          : QStringLiteral("dd.MM.yyyy"));
        const QDate data = m_tip == TBrvValoareDate::TipDataFaraAn ? m_initiala.DataFaraAn()
                           : m_tip == TBrvValoareDate::TipDataCuAn ? m_initiala.DataCuAn()
                                                                   : m_initiala.DataLunga();
        m_data->setDate(data.isValid() ? data : QDate::currentDate());
        return;
    }
    m_text = new QLineEdit(this);
    m_text->setFrame(false);
    if (m_tip == TBrvValoareDate::TipText) {
        m_tastat = !tasta.isEmpty();
        m_text->setText(m_tastat ? tasta : m_initiala.Text());
        return;
    }
    const int zecimale = Zecimale();
    const QString tipar = zecimale == 0
        ? QStringLiteral("-?\\d{0,%1}").arg(CifreIntregi(zecimale) + 1)
        : QStringLiteral("-?\\d{0,%1}([,.]\\d{0,%2})?").arg(CifreIntregi(zecimale)).arg(zecimale);
    m_text->setValidator(new QRegularExpressionValidator(QRegularExpression(tipar), m_text));
    m_text->setAlignment(Qt::AlignRight);
    m_tastat = EsteCifra(tasta);
    m_text->setText(m_tastat ? tasta : TextNumeric(m_initiala));
}

void TBrvVGridEditorForm::LaDeschidere()
{
    if (m_text && m_tastat) {
        m_text->deselect();
        m_text->end(false);
    }
}

QString TBrvVGridEditorForm::TextNumeric(const TBrvValoareDate& valoare)
{
    switch (valoare.TipValoare()) {
    case TBrvValoareDate::TipSuma: {
        const qint64 suma = valoare.Suma();
        const quint64 absolut = suma < 0 ? 0 - static_cast<quint64>(suma) : static_cast<quint64>(suma);
        QString fractie = QStringLiteral("%1").arg(absolut % 10000, 4, 10, QLatin1Char('0'));
        // Four decimals, trailing zeros dropped down to two.
        while (fractie.size() > 2 && fractie.endsWith(u'0'))
            fractie.chop(1);
        return (suma < 0 ? QStringLiteral("-") : QString()) + QString::number(absolut / 10000) + u',' + fractie;
    }
    case TBrvValoareDate::TipIntreg:
        return QString::number(valoare.Intreg());
    case TBrvValoareDate::TipSutimi:
        return FormateazaSutimi(valoare.Sutimi());
    default:
        return QString();
    }
}

std::optional<qint64> TBrvVGridEditorForm::CitesteNumar(const QString& text, int zecimale)
{
    static const QRegularExpression numar(QStringLiteral("^(-?)(\\d{1,18})(?:[,.](\\d*))?$"));
    const QRegularExpressionMatch potrivire = numar.match(text.trimmed());
    if (!potrivire.hasMatch() || potrivire.captured(3).size() > zecimale)
        return std::nullopt;
    const QString fractie = potrivire.captured(3).leftJustified(zecimale, u'0');
    bool corect = false;
    const qint64 valoare = (potrivire.captured(2) + fractie).toLongLong(&corect);
    if (!corect)
        return std::nullopt;
    return potrivire.captured(1).isEmpty() ? valoare : -valoare;
}

std::optional<TBrvValoareDate> TBrvVGridEditorForm::Valoare() const
{
    TBrvValoareDate valoare;
    switch (m_tip) {
    case TBrvValoareDate::TipText:
        valoare.SetText(m_text->text());
        return valoare;
    case TBrvValoareDate::TipDataFaraAn:
        valoare.SetDataFaraAn(m_data->date());
        return valoare;
    case TBrvValoareDate::TipDataCuAn:
        valoare.SetDataCuAn(m_data->date());
        return valoare;
    case TBrvValoareDate::TipDataLunga:
        valoare.SetDataLunga(m_data->date());
        return valoare;
    default:
        break;
    }
    const std::optional<qint64> numar = CitesteNumar(m_text->text(), Zecimale());
    if (!numar)
        return std::nullopt;
    if (m_tip == TBrvValoareDate::TipSuma) {
        valoare.SetSuma(*numar);
        return valoare;
    }
    if (*numar < std::numeric_limits<int>::min() || *numar > std::numeric_limits<int>::max())
        return std::nullopt;
    valoare.SetIntreg(static_cast<int>(*numar));
    return valoare;
}

void TBrvVGridEditorForm::IncearcaConfirmarea()
{
    if (!Valoare())
        return;
    m_confirmat = true;
    emit Confirma();
}

bool TBrvVGridEditorForm::eventFilter(QObject* obiect, QEvent* event)
{
    if (obiect == Control() && event->type() == QEvent::KeyPress) {
        const int tasta = static_cast<QKeyEvent*>(event)->key();
        if (tasta == Qt::Key_Return || tasta == Qt::Key_Enter) {
            IncearcaConfirmarea();
            return true;
        }
        if (tasta == Qt::Key_Escape) {
            emit Renunta();
            return true;
        }
    }
    return QFrame::eventFilter(obiect, event);
}
