#pragma once

#include <QComboBox>
#include <QDialog>
#include <QStyledItemDelegate>

class QComboBox;
class QLabel;
class QRadioButton;
class QTabWidget;
class QTimer;

// Draws a mark layout list item as a sample of the layout, not by its name.
class TDesenatorModNota : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    // The sample lines of a layout name (one or two lines).
    static QStringList Exemplu(const QString& mod);
    // Draws the sample of a layout inside a rectangle.
    static void DeseneazaExemplu(QPainter* painter, const QRect& rect, const QString& mod);
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// A layout list that shows its selected layout as a sample too, like its items.
class TListaModuriNota : public QComboBox {
    Q_OBJECT
public:
    explicit TListaModuriNota(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// "Format note": how marks are written on every certificate of the year.
class TEditorConfigGlobal : public QDialog {
    Q_OBJECT
public:
    explicit TEditorConfigGlobal(QWidget* parent = nullptr);

    QComboBox* RzComboBox1() const { return m_sufixFete; }
    QComboBox* RzComboBox2() const { return m_sufixBaieti; }
    QComboBox* RzComboBox3() const { return m_notaDiploma; }
    QComboBox* RzComboBox4() const { return m_medieDiploma; }
    QComboBox* RzComboBox5() const { return m_notaCotor; }
    QComboBox* RzComboBox6() const { return m_medieCotor; }
    QRadioButton* RzRadioButton1() const { return m_litereMari; }
    QRadioButton* RzRadioButton2() const { return m_litereMici; }
    QTabWidget* PageControl() const { return m_pagini; }
    QLabel* EtichetaNota() const { return m_nota; }

    void Ok();
    void Renunt();

private:
    QWidget* CreeazaPaginaNote();
    QWidget* CreeazaPaginaSufix();
    QComboBox* CreeazaListaModuri(const QString& nume);
    void Incarca();
    void ClipesteNota();

    QTabWidget* m_pagini;
    QComboBox* m_sufixFete;
    QComboBox* m_sufixBaieti;
    QComboBox* m_notaDiploma;
    QComboBox* m_medieDiploma;
    QComboBox* m_notaCotor;
    QComboBox* m_medieCotor;
    QRadioButton* m_litereMari;
    QRadioButton* m_litereMici;
    QLabel* m_nota;
    QTimer* m_clipire;
    bool m_notaRosie = false;
};
