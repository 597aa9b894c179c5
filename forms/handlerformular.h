#pragma once

#include "forms/umplereformular.h"

#include <QString>
#include <memory>
#include <vector>

class QDialog;
class QWidget;

// A printable form the pupil list offers as a button.
class THandlerFormularDePrintat {
public:
    explicit THandlerFormularDePrintat(QString caption) : Caption(std::move(caption)) {}
    virtual ~THandlerFormularDePrintat() = default;

    // The text of the form's button.
    QString Caption;
    // A new form dialog owned by `owner`.
    virtual QDialog* CreateForm(QWidget* owner) const = 0;
    // How the form writes its marks; a form without marks has none.
    virtual TScriitorNota ScriitorNota() const { return {}; }
    // Fills a form it created with the pupil's values; a form that acts on its pupil later
    // also remembers which one it shows.
    virtual void Umple(QDialog& formular, int idElev) const;
};

// The printable forms, in registration order (which is the order of the buttons). One
// process-wide list, created on first use; it owns its handlers.
class TListaHandlerFormularDePrintat {
public:
    static TListaHandlerFormularDePrintat& Instanta();

    void Adauga(std::unique_ptr<THandlerFormularDePrintat> handler);
    int Count() const { return static_cast<int>(m_handlere.size()); }
    THandlerFormularDePrintat& Handler(int index) const { return *m_handlere.at(index); }

private:
    TListaHandlerFormularDePrintat() = default;

    std::vector<std::unique_ptr<THandlerFormularDePrintat>> m_handlere;
};
