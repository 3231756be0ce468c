// Reader for the VSOP87 series files as distributed by the Bureau des Longitudes
// (Bretagnon & Francou 1988, A&A 202, 309; CDS catalogue VI/81).
//
// The files are fixed-column Fortran records of 132 characters. A header record
// ("VSOP87" in columns 2-7) opens each series and gives the coordinate index
// (column 42: 1 = L, 2 = B, 3 = R), the power of time (column 60) and the number
// of terms (columns 61-67). Each term record holds the 12 multipliers of the mean
// longitudes (columns 11-46), S (47-61), K (62-79), A (80-97), B (98-111) and C (112-131);
// T counts Julian millennia of TDB from J2000.0.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace vsop87 {

// A term in both published forms: A cos(B + C T) = S sin(phi) + K cos(phi), with
// phi = sum of multipliers[i] * lambda_i(T) over the 12 mean longitudes of the theory.
struct Term {
    std::array<int, 12> multipliers;
    double s;          // rad (L, B) or au (R), per millennium^power
    double k;
    double amplitude;  // A
    double phase;      // B, rad
    double frequency;  // C, rad per Julian millennium
};

// Series of one coordinate, indexed by the power of T (0..5).
using Coordinate = std::array<std::vector<Term>, 6>;

struct Body {
    Coordinate l;  // ecliptic longitude
    Coordinate b;  // ecliptic latitude
    Coordinate r;  // radius vector
};

// Reads a whole body file. Throws std::runtime_error with the line number when a
// record is malformed or a series holds another number of terms than its header says.
Body readBody(const std::string& path);

// Value of one coordinate at t millennia from J2000.0, every term included.
double evaluate(const Coordinate& series, double tMillennia);

}  // namespace vsop87
