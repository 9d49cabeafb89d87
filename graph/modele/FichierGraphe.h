#pragma once
// The graph file (".mgr"): lines ended by CR LF; the curve type's keyword
// plain, then the typed function text(s) and the eight value lines as their
// read-outs show them, every byte of those lines shifted by one constant.
#include "funclang/Normalisation.h"
#include "graph/modele/TypeCourbe.h"
#include "graph/modele/Vue.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// Added to every byte of the shifted lines, modulo 256: no printable
// character becomes CR or LF (only BEL and LF themselves map there).
inline constexpr unsigned char DecalageGraphe = 3;
// A graph file is a few hundred bytes: anything much larger is something else.
inline constexpr std::size_t TailleGrapheMax = 64 * 1024;
inline constexpr std::size_t LigneGrapheMax = 10000;

struct ContenuGraphe {
    TypeCourbe Type = TypeCourbe::Aucune; // none for an unknown keyword
    std::string SaisieX, SaisieY;         // SaisieY for a parametric curve only
    // The texts of xminval, xmaxval, yminval, ymaxval, VarMin, VarMax and
    // Label2, then the precision's digits.
    std::array<std::string, 8> Lectures;
    // The values those texts read as.
    Vue Fenetre;
    Etendu EtudeMin = 0.0L, EtudeMax = 0.0L, Graduation = 0.0L;
    int Precision = 1;
};

const char* MotCle(TypeCourbe type);

// The bytes of a file for a curve type, its typed texts and its read-outs.
std::string EcritGraphe(TypeCourbe type, const std::string& saisieX, const std::string& saisieY,
                        const std::array<std::string, 8>& lectures);

// The content of a file, or none for what cannot be a graph file: binary,
// too large, a line too long, a value that is not a number, a precision
// outside 1 to 10, a window of zero width or height, a tick unit of 0.
// Lines may also end with LF alone (a file copied through another system).
std::optional<ContenuGraphe> LitGraphe(std::string_view octets);
