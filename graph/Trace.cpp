#include "graph/Trace.h"

#include "funclang/Nombres.h"
#include "graph/Analyse.h"
#include "graph/Conique.h"

#include <cmath>

Plateforme::Icone IconeDe(const Evaluation& e) { return IconeDeFaute(e.message); }

namespace {

Primitive Pixel(int x, int y, Couleur c) { return Primitive{Primitive::Sorte::Pixel, x, y, x, y, c}; }

// The ticks of one half-axis: the pixels origine + sens * k * ecart for
// k = 1 .. nombre, with ecart rounded to whole pixels once. Only those that
// can fall in the area are produced, so a tiny tick unit costs no more than
// one pixel per column.
void Graduations(Dessin& d, int origine, Etendu nombre, Etendu ecart, int sens, int limite,
                 bool horizontal, int autre)
{
    nombre = std::nearbyint(nombre);
    ecart = std::nearbyint(ecart);
    if (!(nombre >= 1.0L) || !std::isfinite(ecart) || ecart < 0.0L)
        return;
    auto pixel = [&](int position) {
        d.push_back(horizontal ? Pixel(position, autre, Blanc) : Pixel(autre, position, Blanc));
    };
    if (ecart == 0.0L) {
        pixel(origine);
        return;
    }
    for (Etendu k = 1.0L; k <= nombre; k += 1.0L) {
        const Etendu position = origine + sens * k * ecart;
        if (position < 0.0L || position > limite)
            break;
        pixel(static_cast<int>(position));
    }
}

// The joining rule of the curves drawn with lines: the first visible point
// is a single pixel; a later visible point is joined to the previous point,
// visible or not, when it lies more than the step away from it.
class Jonction {
public:
    Jonction(Etendu pas, Couleur couleur, Dessin& dessin) : pas_(pas), couleur_(couleur), dessin_(dessin) {}

    void Ajoute(Etendu px, Etendu py)
    {
        if (Vue::Visible(px, py)) {
            if (premier_) {
                dessin_.push_back(Pixel(ArrondiPixel(px), ArrondiPixel(py), couleur_));
                premier_ = false;
            } else if (std::fabs(px - px_) > pas_ || std::fabs(py - py_) > pas_) {
                if (const auto ligne = LigneEntre(px_, py_, px, py, couleur_))
                    dessin_.push_back(*ligne);
            }
        }
        px_ = px;
        py_ = py;
    }

private:
    Etendu pas_;
    Couleur couleur_;
    Dessin& dessin_;
    bool premier_ = true;
    Etendu px_ = 0.0L, py_ = 0.0L;
};

// The sampling loop: from the start of the study interval by the step, the
// start always sampled, the end never. echantillon returns false to stop.
template <class Echantillon>
void Echantillonne(const ParametresTrace& p, Echantillon echantillon)
{
    Etendu v = p.etudeMin;
    for (long n = 1;; ++n) {
        if (!echantillon(v))
            return;
        v = v + p.pas;
        if (!(v < p.etudeMax) || n >= EchantillonsMax)
            return;
    }
}

ResultatTrace Debut(const ParametresTrace& p)
{
    ResultatTrace r;
    r.dessin = TraceAxes(p.vue, p.graduation);
    return r;
}

// A wrong text: nothing of the plot stays, the message is shown once.
void Arrete(ResultatTrace& r, const Evaluation& e)
{
    r.dessin.clear();
    r.fatal = true;
    r.message = e.message;
    r.icone = IconeDe(e);
}

// A curve y = g(v) drawn with the joining rule; a sample where g is
// undefined is skipped, the previous point kept, the counter not advanced.
template <class Valeur>
ResultatTrace TraceFonction(const ParametresTrace& p, Couleur couleur, Valeur valeur,
                            const Progression& progression)
{
    ResultatTrace r = Debut(p);
    Jonction j(p.pas, couleur, r.dessin);
    long compteur = 1;
    Echantillonne(p, [&](Etendu v) {
        Etendu px, py;
        const Evaluation e = valeur(v, px, py);
        if (ErreurFatale(e)) {
            Arrete(r, e);
            return false;
        }
        if (!e.erreur) {
            j.Ajoute(px, py);
            progression(compteur++);
        }
        return true;
    });
    return r;
}

} // namespace

Dessin TraceAxes(const Vue& vue, Etendu graduation)
{
    Dessin d;
    const Etendu xmin = std::fabs(vue.Xmin), xmax = std::fabs(vue.Xmax);
    const Etendu ymin = std::fabs(vue.Ymin), ymax = std::fabs(vue.Ymax);
    const int c = ArrondiPixel(LargeurEcran / vue.Largeur() * xmin);
    const int f = ArrondiPixel(HauteurEcran / vue.Hauteur() * ymax);
    d.push_back(Primitive{Primitive::Sorte::Ligne, c, 1, c, HauteurEcran, Blanc});
    if (xmax > 0.0L)
        Graduations(d, c, xmax / graduation, (LargeurEcran - c) / xmax * graduation, 1, LargeurEcran,
                    true, f - 1);
    if (xmin > 0.0L)
        Graduations(d, c, xmin / graduation, c / xmin * graduation, -1, LargeurEcran, true, f - 1);
    d.push_back(Primitive{Primitive::Sorte::Ligne, 1, f, LargeurEcran, f, Blanc});
    if (ymin > 0.0L)
        Graduations(d, f, ymin / graduation, (HauteurEcran - f) / ymin * graduation, 1, HauteurEcran,
                    false, c + 1);
    if (ymax > 0.0L)
        Graduations(d, f, ymax / graduation, f / ymax * graduation, -1, HauteurEcran, false, c + 1);
    return d;
}

ResultatTrace TraceCartesienne(const ParametresTrace& p, const std::string& texte,
                               const Progression& progression)
{
    const Programme f(texte, 'x');
    return TraceCartesienne(p, [&f](Etendu x) { return f.Execute(x); }, progression);
}

ResultatTrace TraceCartesienne(const ParametresTrace& p, const FonctionCourbe& f,
                               const Progression& progression)
{
    return TraceFonction(p, Rouge, [&](Etendu x, Etendu& px, Etendu& py) {
        const Evaluation e = f(x);
        px = p.vue.Px(x);
        py = p.vue.Py(e.resultat);
        return e;
    }, progression);
}

ResultatTrace TracePolaire(const ParametresTrace& p, const std::string& texte,
                           const Progression& progression)
{
    const Programme ro(texte, 't');
    return TraceFonction(p, Rouge, [&](Etendu t, Etendu& px, Etendu& py) {
        const Evaluation e = ro.Execute(t);
        px = p.vue.Px(e.resultat * std::cos(t));
        py = p.vue.Py(e.resultat * std::sin(t));
        return e;
    }, progression);
}

ResultatTrace TraceParametrique(const ParametresTrace& p, const std::string& texteX,
                                const std::string& texteY, const Progression& progression)
{
    ResultatTrace r = Debut(p);
    Jonction j(p.pas, Rouge, r.dessin);
    long compteur = 1;
    // An undefined coordinate puts the point just left of or above the
    // area, so the curve breaks there.
    const Programme fx(texteX, 't'), fy(texteY, 't');
    auto coordonnee = [&](const Programme& f, Etendu t, Etendu& pixel, auto vers) {
        const Evaluation e = f.Execute(t);
        if (ErreurFatale(e)) {
            Arrete(r, e);
            return false;
        }
        pixel = e.erreur ? -1.0L : vers(e.resultat);
        return true;
    };
    Echantillonne(p, [&](Etendu t) {
        Etendu px, py;
        if (!coordonnee(fx, t, px, [&](Etendu x) { return p.vue.Px(x); }) ||
            !coordonnee(fy, t, py, [&](Etendu y) { return p.vue.Py(y); }))
            return false;
        j.Ajoute(px, py);
        progression(compteur++);
        return true;
    });
    return r;
}

ResultatTrace TraceConique(const ParametresTrace& p, const std::string& texte,
                           const Progression& progression)
{
    ResultatTrace r = Debut(p);
    // The three coefficients are texts in x, each value of x joined to the
    // characters before it.
    const TextesConique t = CoefficientsConique(texte);
    const Programme a(t.A, 'x', false), b(t.B, 'x', false), c(t.C, 'x', false);
    long compteur = 1;
    Echantillonne(p, [&](Etendu x) {
        // A coefficient that cannot be evaluated leaves the column empty.
        const Evaluation ea = a.Execute(x), eb = b.Execute(x), ec = c.Execute(x);
        if (!ea.erreur && !eb.erreur && !ec.erreur)
            for (Etendu y : RacinesConique(ea.resultat, eb.resultat, ec.resultat)) {
                const Etendu px = p.vue.Px(x), py = p.vue.Py(y);
                if (Vue::Visible(px, py))
                    r.dessin.push_back(Pixel(ArrondiPixel(px), ArrondiPixel(py), Rouge));
            }
        progression(compteur++);
        return true;
    });
    return r;
}

namespace {
// One derivative curve: the point (v, g'(v)) at every sample, the error
// value of an undefined derivative mapping far above the area.
ResultatTrace TraceDerivee(const ParametresTrace& p, const std::string& texte, char lettre,
                           Couleur couleur, const Progression& progression)
{
    ResultatTrace r = Debut(p);
    Jonction j(p.pas, couleur, r.dessin);
    const Programme f(texte, lettre);
    long compteur = 1;
    Echantillonne(p, [&](Etendu v) {
        const Derivee d = DeriveeEn(f, v);
        if (ErreurFatale(d.echec)) {
            Arrete(r, d.echec);
            return false;
        }
        j.Ajoute(p.vue.Px(v), p.vue.Py(d.valeur));
        progression(compteur++);
        return true;
    });
    return r;
}
} // namespace

ResultatTrace TraceDeriveeCartesienne(const ParametresTrace& p, const std::string& texte,
                                      const Progression& progression)
{
    return TraceDerivee(p, texte, 'x', BleuClair, progression);
}

ResultatTrace TraceDeriveeParametrique(const ParametresTrace& p, const std::string& texte,
                                       Couleur couleur, const Progression& progression)
{
    return TraceDerivee(p, texte, 't', couleur, progression);
}
