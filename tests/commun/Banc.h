#pragma once
// What every window test sets up: a settings folder of its own and the
// recording platform, installed before each test and removed after it, and
// a window shown and made active as the user's desktop would.
#include "Bac.h"
#include "PlateformeEnregistreuse.h"
#include "numerics/Faute.h"

#include <QTest>

#include <memory>

class QWidget;

class Banc {
protected:
    void Installe()
    {
        bac_ = std::make_unique<Bac>();
        p_ = std::make_unique<PlateformeEnregistreuse>();
    }
    void Retire()
    {
        p_.reset();
        bac_.reset();
    }
    // Shows the window and makes it the active one (the activation helper
    // told so when suivi); the recorder starts empty after it. False when
    // the desktop never reports it active.
    [[nodiscard]] bool MontreActive(QWidget* fenetre, bool suivi = true);

    std::unique_ptr<Bac> bac_;
    std::unique_ptr<PlateformeEnregistreuse> p_;
};

// A column of the current row of a table, in an expression.
template <class T>
T Donnee(const char* nom)
{
    return *static_cast<T*>(QTest::qData(nom, qMetaTypeId<T>()));
}

// A journal nobody reads, for a computation whose failures the test checks
// otherwise.
inline Journal& Jete()
{
    static Journal j;
    j.clear();
    return j;
}
