#include "graph/modele/Trace.h"

#include "funclang/Nombres.h"
#include "graph/modele/Analyse.h"
#include "graph/modele/Conique.h"

#include <algorithm>
#include <cmath>
#include <thread>
#include <tuple>
#include <vector>

unsigned CoeursMachine()
{
    // Asked once: the system reads a file to answer.
    static const unsigned coeurs = std::max(1u, std::thread::hardware_concurrency());
    return coeurs;
}

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

// The primitives of one plot as it draws them: when DessinMax are held and
// the caller takes them, they go to the caller, so that a plot of millions
// of samples holds no more than a few megabytes.
class Sortie {
public:
    Sortie(Dessin& dessin, const Progression& progression) : dessin_(dessin), progression_(progression) {}

    void Ajoute(const Primitive& p)
    {
        dessin_.push_back(p);
        if (dessin_.size() >= DessinMax && progression_.vide) {
            progression_.vide(dessin_);
            dessin_.clear();
        }
    }

private:
    Dessin& dessin_;
    const Progression& progression_;
};

// The joining rule of the curves drawn with lines: the first visible point
// is a single pixel; a later visible point is joined to the previous point,
// visible or not, when it lies more than the step away from it.
class Jonction {
public:
    Jonction(Etendu pas, Couleur couleur, Sortie& sortie) : pas_(pas), couleur_(couleur), sortie_(sortie) {}

    void Ajoute(Etendu px, Etendu py)
    {
        if (Vue::Visible(px, py)) {
            if (premier_) {
                sortie_.Ajoute(Pixel(ArrondiPixel(px), ArrondiPixel(py), couleur_));
                premier_ = false;
            } else if (std::fabs(px - px_) > pas_ || std::fabs(py - py_) > pas_) {
                if (const auto ligne = LigneEntre(px_, py_, px, py, couleur_))
                    sortie_.Ajoute(*ligne);
            }
        }
        px_ = px;
        py_ = py;
    }

private:
    Etendu pas_;
    Couleur couleur_;
    Sortie& sortie_;
    bool premier_ = true;
    Etendu px_ = 0.0L, py_ = 0.0L;
};

void Annonce(const Progression& progression, Etendu echantillons)
{
    if (progression.total)
        progression.total(static_cast<long>(echantillons));
}

// The samples of the whole study interval (at least one), as the loop
// below takes them; infinite when the interval is beyond every number.
Etendu Echantillons(const ParametresTrace& p)
{
    const Etendu n = std::ceil((p.etudeMax - p.etudeMin) / p.pas);
    return n >= 1.0L ? n : 1.0L;
}

// The sampling loop: from the start of the study interval by the step, the
// start always sampled, the end never, at most maximum samples. Each value
// is the previous one plus the step, accumulated as one loop would, so the
// values and the picture do not depend on how many threads compute them.
// Each sample is computed by calcul and handed to joint, in order; joint
// returns false to stop. True when the bound, or a step lost against huge
// values of the variable, cut the interval short.
//
// One thread runs direct, which computes and joins a sample at once. A
// long curve (paralleles, at least EchantillonsParalleles samples and more
// than one core) is computed in blocks: while this thread joins a block
// (joint), the next one is computed by the other threads, each over a part
// of it with a copy of calcul (its own programs).
template <class Calcul, class Joint, class Direct>
bool EchantillonneTout(const ParametresTrace& p, long maximum, const Progression& progression, Calcul calcul,
                       Joint joint, bool paralleles, Direct direct)
{
    const Etendu total = std::fmin(Echantillons(p), maximum);
    Annonce(progression, total);
    Etendu v = p.etudeMin;
    long n = 1;
    bool fin = false, coupe = false;
    // The next value of the loop, false after the last.
    auto suivante = [&](Etendu& valeur) {
        if (fin)
            return false;
        valeur = v;
        const Etendu suivant = v + p.pas;
        if (!(suivant < p.etudeMax)) {
            fin = true;
        } else if (n >= maximum || suivant == v) {
            fin = coupe = true;
        } else {
            v = suivant;
            ++n;
        }
        return true;
    };
    const unsigned coeurs = !paralleles ? 1u : p.coeurs ? p.coeurs : CoeursMachine();
    if (coeurs == 1 || total < static_cast<Etendu>(EchantillonsParalleles)) {
        // The values of suivante, kept in locals: a short plot of a cheap
        // function runs a third slower through the lambda's references.
        for (long k = 1;; ++k) {
            if (!direct(v) || (progression.arret && progression.arret()))
                return false;
            const Etendu suivant = v + p.pas;
            if (!(suivant < p.etudeMax))
                return false;
            if (k >= maximum || suivant == v)
                return true;
            v = suivant;
        }
    }
    using Point = decltype(calcul(0.0L));
    struct Bloc {
        std::vector<Etendu> valeurs;
        std::vector<Point> points;
        std::vector<std::thread> fils;
    };
    std::vector<Calcul> clones(coeurs, calcul);
    auto remplit = [&](Bloc& bloc) {
        bloc.valeurs.clear();
        for (Etendu valeur; bloc.valeurs.size() < BlocEchantillons && suivante(valeur);)
            bloc.valeurs.push_back(valeur);
        bloc.points.resize(bloc.valeurs.size());
        const std::size_t part = (bloc.valeurs.size() + coeurs - 1) / coeurs;
        for (unsigned k = 0; k < coeurs; ++k)
            bloc.fils.emplace_back([&bloc, &clone = clones[k], &progression, debut = k * part, part] {
                // Once stopped, the block is never joined: its threads end.
                for (std::size_t i = debut; i < std::min(bloc.valeurs.size(), debut + part); ++i) {
                    if (i % 256 == 0 && progression.arret && progression.arret())
                        return;
                    bloc.points[i] = clone(bloc.valeurs[i]);
                }
            });
    };
    auto attend = [](Bloc& bloc) {
        for (std::thread& t : bloc.fils)
            t.join();
        bloc.fils.clear();
    };
    Bloc blocs[2];
    remplit(blocs[0]);
    for (int courant = 0;; courant = 1 - courant) {
        Bloc& bloc = blocs[courant];
        attend(bloc);
        Bloc& prochain = blocs[1 - courant];
        if (!fin)
            remplit(prochain);
        for (const Point& point : bloc.points)
            if (!joint(point) || (progression.arret && progression.arret())) {
                attend(prochain);
                return false;
            }
        if (prochain.fils.empty())
            return coupe;
    }
}

// The same loop for a sample that computes and joins at once.
template <class Echantillon>
bool EchantillonneTout(const ParametresTrace& p, long maximum, const Progression& progression,
                       Echantillon echantillon)
{
    return EchantillonneTout(p, maximum, progression, [](Etendu v) { return v; }, echantillon, false, echantillon);
}

// The samples of a curve in x. While the study interval holds no more than
// EchantillonsMax samples, all of them, as above. Beyond, a sample outside
// the window sets no pixel: the first sample still runs (a wrong text stops
// every plot at once), then the plot goes on from the last sample left of
// the window where defini holds (the previous point of the joining rule) to
// the window's right edge.
template <class Calcul, class Joint, class Defini, class Direct>
void EchantillonneEnX(const ParametresTrace& p, const Progression& progression, Calcul calcul, Joint joint,
                      Defini defini, bool paralleles, Direct echantillon)
{
    if (Echantillons(p) <= EchantillonsMax) {
        EchantillonneTout(p, EchantillonsMax, progression, calcul, joint, paralleles, echantillon);
        return;
    }
    // Within the window only: a few thousand samples, on one thread.
    // The sample of the interval's grid just left of the window.
    Etendu v = p.etudeMin;
    if (p.etudeMin < p.vue.Xmin) {
        Etendu gauche = p.vue.Xmin - std::fmod(p.vue.Xmin - p.etudeMin, p.pas);
        if (gauche >= p.vue.Xmin)
            gauche -= p.pas;
        if (gauche > p.etudeMin && gauche < p.etudeMax)
            v = gauche;
    }
    const Etendu fin = std::fmin(p.etudeMax, p.vue.Xmax);
    Annonce(progression, std::fmin(std::ceil((fin - v) / p.pas) + 1.0L, EchantillonsMax));
    if (!echantillon(p.etudeMin))
        return;
    if (v > p.etudeMin) {
        Etendu precedent = v;
        for (long k = 0; k < EchantillonsMax && precedent > p.etudeMin && !defini(precedent); ++k)
            precedent -= p.pas;
        if (precedent > p.etudeMin && !echantillon(precedent))
            return;
    }
    for (long n = 0; n < EchantillonsMax; ++n) {
        v = v + p.pas;
        if (!(v < p.etudeMax) || p.vue.Px(v) > LargeurEcran || !echantillon(v) ||
            (progression.arret && progression.arret()))
            return;
    }
}

template <class Echantillon, class Defini>
void EchantillonneEnX(const ParametresTrace& p, const Progression& progression, Echantillon echantillon,
                      Defini defini)
{
    EchantillonneEnX(p, progression, [](Etendu v) { return v; }, echantillon, defini, false, echantillon);
}

ResultatTrace Debut(const ParametresTrace& p)
{
    ResultatTrace r;
    r.dessin = TraceAxes(p.vue, p.graduation);
    return r;
}

// A wrong text: nothing of the plot stays, the message is shown once.
void Arrete(ResultatTrace& r, const Faute& faute)
{
    r.dessin.clear();
    r.faute = faute;
}

void Avance(const Progression& progression, long& compteur)
{
    if (progression.avance)
        progression.avance(compteur);
    ++compteur;
}

void Incomplet(ResultatTrace& r)
{
    r.faute = Faute{TraceIncomplet, IconeFaute::Avertissement, GenreErreur::Valeur};
}

// A sample of a curve: its pixel, or why it has none.
struct PointCourbe {
    Etendu px = 0.0L, py = 0.0L;
    Evaluation e;
};

// A curve drawn with the joining rule whose point at v is valeur(v); a
// sample where it is undefined is skipped, the previous point kept, the
// counter not advanced. valeur owns its programs: each thread computes
// with a copy of its own.
template <class Valeur>
ResultatTrace TraceFonction(const ParametresTrace& p, Couleur couleur, Valeur valeur, bool enX,
                            const Progression& progression)
{
    ResultatTrace r = Debut(p);
    Sortie sortie(r.dessin, progression);
    Jonction j(p.pas, couleur, sortie);
    long compteur = 1;
    auto calcul = [valeur](Etendu v) mutable {
        PointCourbe q;
        q.e = valeur(v, q.px, q.py);
        return q;
    };
    auto joint = [&](const PointCourbe& q) {
        if (q.e.Fatale()) {
            Arrete(r, *q.e.faute);
            return false;
        }
        if (!q.e.faute) {
            j.Ajoute(q.px, q.py);
            Avance(progression, compteur);
        }
        return true;
    };
    // One thread computes and joins each sample at once.
    auto direct = [&](Etendu v) {
        Etendu px, py;
        const Evaluation e = valeur(v, px, py);
        if (e.Fatale()) {
            Arrete(r, *e.faute);
            return false;
        }
        if (!e.faute) {
            j.Ajoute(px, py);
            Avance(progression, compteur);
        }
        return true;
    };
    if (enX) {
        auto defini = calcul; // a copy for the search before the window
        EchantillonneEnX(p, progression, calcul, joint, [&](Etendu v) { return !defini(v).e.faute; }, true, direct);
    } else if (EchantillonneTout(p, EchantillonsMaxT, progression, calcul, joint, true, direct) && !r.Fatal()) {
        Incomplet(r);
    }
    return r;
}

} // namespace

namespace {
// The ticks of an axis whose range leaves out 0: at each multiple of the
// unit inside [bas, haut], none when they would be closer than a pixel.
void GraduationsLibres(Dessin& d, Etendu bas, Etendu haut, Etendu graduation, const std::function<Etendu(Etendu)>& pixel,
                       int pixels, bool horizontal, int autre)
{
    const Etendu premier = std::ceil(bas / graduation), dernier = std::floor(haut / graduation);
    if (!std::isfinite(premier) || !std::isfinite(dernier) || dernier - premier >= pixels)
        return;
    for (Etendu k = premier; k <= dernier; k += 1.0L) {
        const int p = std::clamp(ArrondiPixel(pixel(k * graduation)), 0, pixels - 1);
        d.push_back(horizontal ? Pixel(p, autre, Blanc) : Pixel(autre, p, Blanc));
    }
}
} // namespace

Dessin TraceAxes(const Vue& vue, Etendu graduation)
{
    Dessin d;
    const Etendu xmin = std::fabs(vue.Xmin), xmax = std::fabs(vue.Xmax);
    const Etendu ymin = std::fabs(vue.Ymin), ymax = std::fabs(vue.Ymax);
    const bool origineEnX = vue.Xmin <= 0.0L && vue.Xmax >= 0.0L, origineEnY = vue.Ymin <= 0.0L && vue.Ymax >= 0.0L;
    // An axis the window leaves out runs along the nearest edge, its ticks
    // on the inner side.
    const int c = origineEnX ? ArrondiPixel(LargeurEcran / vue.Largeur() * xmin) : vue.Xmin > 0.0L ? 0 : LargeurEcran - 1;
    const int f = origineEnY ? ArrondiPixel(HauteurEcran / vue.Hauteur() * ymax) : vue.Ymax < 0.0L ? 0 : HauteurEcran - 1;
    const int rangee = origineEnY || vue.Ymin > 0.0L ? f - 1 : f + 1;
    const int colonne = origineEnX || vue.Xmin > 0.0L ? c + 1 : c - 1;
    d.push_back(Primitive{Primitive::Sorte::Ligne, c, 1, c, HauteurEcran, Blanc});
    if (!origineEnX) {
        GraduationsLibres(d, vue.Xmin, vue.Xmax, graduation, [&vue](Etendu x) { return vue.Px(x); }, LargeurEcran,
                          true, rangee);
    } else {
        if (xmax > 0.0L)
            Graduations(d, c, xmax / graduation, (LargeurEcran - c) / xmax * graduation, 1, LargeurEcran, true, rangee);
        if (xmin > 0.0L)
            Graduations(d, c, xmin / graduation, c / xmin * graduation, -1, LargeurEcran, true, rangee);
    }
    d.push_back(Primitive{Primitive::Sorte::Ligne, 1, f, LargeurEcran, f, Blanc});
    if (!origineEnY) {
        GraduationsLibres(d, vue.Ymin, vue.Ymax, graduation, [&vue](Etendu y) { return vue.Py(y); }, HauteurEcran,
                          false, colonne);
    } else {
        if (ymin > 0.0L)
            Graduations(d, f, ymin / graduation, (HauteurEcran - f) / ymin * graduation, 1, HauteurEcran, false,
                        colonne);
        if (ymax > 0.0L)
            Graduations(d, f, ymax / graduation, f / ymax * graduation, -1, HauteurEcran, false, colonne);
    }
    return d;
}

ResultatTrace TraceCartesienne(const ParametresTrace& p, const std::string& texte,
                               const Progression& progression)
{
    return TraceCartesienne(p, [f = Programme(texte, 'x')](Etendu x) mutable { return f.Execute(x); }, progression);
}

ResultatTrace TraceCartesienne(const ParametresTrace& p, const FonctionCourbe& f,
                               const Progression& progression)
{
    // Copied with the plot's calculation: a copy of f for each thread.
    return TraceFonction(p, Rouge, [&p, f](Etendu x, Etendu& px, Etendu& py) {
        const Evaluation e = f(x);
        px = p.vue.Px(x);
        py = p.vue.Py(e.resultat);
        return e;
    }, true, progression);
}

ResultatTrace TracePolaire(const ParametresTrace& p, const std::string& texte,
                           const Progression& progression)
{
    return TraceFonction(p, Rouge, [&p, ro = Programme(texte, 't')](Etendu t, Etendu& px, Etendu& py) mutable {
        const Evaluation e = ro.Execute(t);
        px = p.vue.Px(e.resultat * std::cos(t));
        py = p.vue.Py(e.resultat * std::sin(t));
        return e;
    }, false, progression);
}

ResultatTrace TraceParametrique(const ParametresTrace& p, const std::string& texteX,
                                const std::string& texteY, const Progression& progression)
{
    ResultatTrace r = Debut(p);
    Sortie sortie(r.dessin, progression);
    Jonction j(p.pas, Rouge, sortie);
    long compteur = 1;
    struct Point {
        Etendu px = 0.0L, py = 0.0L;
        std::optional<Faute> fatale; // the first wrong text, x(t) before y(t)
    };
    // An undefined coordinate puts the point just left of or above the
    // area, so the curve breaks there.
    auto calcul = [&p, fx = Programme(texteX, 't'), fy = Programme(texteY, 't')](Etendu t) mutable {
        Point q;
        for (auto [f, pixel, x] : {std::tuple{&fx, &q.px, true}, std::tuple{&fy, &q.py, false}}) {
            const Evaluation e = f->Execute(t);
            if (e.Fatale()) {
                q.fatale = e.faute;
                break;
            }
            *pixel = e.faute ? -1.0L : x ? p.vue.Px(e.resultat) : p.vue.Py(e.resultat);
        }
        return q;
    };
    auto joint = [&](const Point& q) {
        if (q.fatale) {
            Arrete(r, *q.fatale);
            return false;
        }
        j.Ajoute(q.px, q.py);
        Avance(progression, compteur);
        return true;
    };
    const bool coupe = EchantillonneTout(p, EchantillonsMaxT, progression, calcul, joint, true,
                                         [&](Etendu t) { return joint(calcul(t)); });
    if (coupe && !r.Fatal())
        Incomplet(r);
    return r;
}

ResultatTrace TraceConique(const ParametresTrace& p, const std::string& texte,
                           const Progression& progression)
{
    ResultatTrace r = Debut(p);
    // The three coefficients are texts in x; a text that is no polynomial
    // of degree 2 at most in y has none, and draws the axes alone.
    const std::optional<TextesConique> t = TextesDeLaConique(texte);
    if (!t)
        return r;
    Sortie sortie(r.dessin, progression);
    Programme a(t->A, 'x', false), b(t->B, 'x', false), c(t->C, 'x', false);
    long compteur = 1;
    EchantillonneEnX(p, progression, [&](Etendu x) {
        // A coefficient that cannot be evaluated leaves the column empty.
        const Evaluation ea = a.Execute(x), eb = b.Execute(x), ec = c.Execute(x);
        if (!ea.faute && !eb.faute && !ec.faute)
            for (Etendu y : RacinesConique(ea.resultat, eb.resultat, ec.resultat)) {
                const Etendu px = p.vue.Px(x), py = p.vue.Py(y);
                if (Vue::Visible(px, py))
                    sortie.Ajoute(Pixel(ArrondiPixel(px), ArrondiPixel(py), Rouge));
            }
        Avance(progression, compteur);
        return true;
    }, [](Etendu) { return true; });
    return r;
}

namespace {
// One derivative curve: the point (v, g'(v)) at every sample, the error
// value of an undefined derivative mapping far above the area.
ResultatTrace TraceDerivee(const ParametresTrace& p, const std::string& texte, char lettre,
                           Couleur couleur, const Progression& progression)
{
    ResultatTrace r = Debut(p);
    Sortie sortie(r.dessin, progression);
    Jonction j(p.pas, couleur, sortie);
    Programme f(texte, lettre);
    long compteur = 1;
    EchantillonneEnX(p, progression, [&](Etendu v) {
        const Derivee d = DeriveeEn(f, v);
        if (d.faute && d.faute->genre == GenreErreur::Texte) {
            Arrete(r, *d.faute);
            return false;
        }
        j.Ajoute(p.vue.Px(v), p.vue.Py(d.valeur));
        Avance(progression, compteur);
        return true;
    }, [](Etendu) { return true; });
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
