#include "editors/brvnumedit.h"

#include "base/citestenota.h"

#include <QRegularExpression>
#include <QTimer>
#include <QValidator>

namespace {

class TValidatorNota : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& text, int&) const override
    {
        text.replace(QLatin1Char('.'), QLatin1Char(','));
        static const QRegularExpression forma(QStringLiteral("^-?[0-9]*(,[0-9]{0,2})?$"));
        if (!forma.match(text).hasMatch() || text.size() - text.count(QLatin1Char(',')) > 17)
            return Invalid;
        return Acceptable;
    }
};

} // namespace

TBrvNumEdit::TBrvNumEdit(QWidget* parent) : QLineEdit(parent)
{
    setValidator(new TValidatorNota(this));
}

qint64 TBrvNumEdit::Valoare() const
{
    const qint64 valoare = CitesteNota(text());
    return text().trimmed().startsWith(QLatin1Char('-')) ? -valoare : valoare;
}

void TBrvNumEdit::SeteazaValoare(qint64 valoare)
{
    const qint64 sutimi = valoare / 100;
    setText(QStringLiteral("%1%2,%3")
                .arg(sutimi < 0 ? QStringLiteral("-") : QString())
                .arg(qAbs(sutimi) / 100)
                .arg(qAbs(sutimi) % 100, 2, 10, QLatin1Char('0')));
}

void TBrvNumEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // A mouse press that gave the focus would undo a selection made at once.
    QTimer::singleShot(0, this, &QLineEdit::selectAll);
}
