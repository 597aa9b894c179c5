#pragma once

#include <QList>
#include <QObject>
#include <QString>

// What a named font tells the views that show it.
class TUtilizatorFont {
public:
    virtual void FontChanged() = 0;
    virtual void FontDetached() = 0;

protected:
    ~TUtilizatorFont() = default;
};

// A named font of a printable form, shared by many text areas. Its size is the height of
// the font cell in millimetres. The form owns its fonts (they are its QObject children,
// found by name); the areas only refer to them, and the widgets that show them attach to
// be told of a change.
class TFontFormular : public QObject {
    Q_OBJECT
public:
    explicit TFontFormular(QObject* formular = nullptr);
    ~TFontFormular() override;

    QString FontName() const { return m_fontName; }
    int CodePage() const { return m_codePage; }
    int CharSet() const { return m_charSet; }
    double Size() const { return m_size; }
    bool Bold() const { return m_bold; }
    bool Italic() const { return m_italic; }
    QString DescrierePentruEditor() const { return m_descriere; }

    // Each of these tells every attached area that its font changed.
    void SetFontName(const QString& nume);
    void SetCodePage(int codePage);
    void SetCharSet(int charSet);
    void SetSize(double mm);
    void SetBold(bool bold);
    void SetItalic(bool italic);
    void SetDescrierePentruEditor(const QString& descriere) { m_descriere = descriere; }

    void AttachArea(TUtilizatorFont* area);
    void DetachArea(TUtilizatorFont* area);
    const QList<TUtilizatorFont*>& Arii() const { return m_arii; }

private:
    template <typename T>
    void Schimba(T& camp, const T& valoare);
    void AnuntaSchimbarea();

    QString m_fontName = QStringLiteral("Arial");
    int m_codePage = 1250;
    int m_charSet = 238;
    double m_size = 3.0;
    bool m_bold = false;
    bool m_italic = false;
    QString m_descriere;
    QList<TUtilizatorFont*> m_arii;
};
