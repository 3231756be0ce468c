#include "solar_events.h"

#include "constants.h"
#include "delta_t.h"
#include "sun_crossings.h"

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

namespace varnex {
namespace {

#include "meeus27_tables.inc"

constexpr PeriodicTermTable buildPeriodicTerms() {
    PeriodicTermTable table{};
    for (std::size_t row = 0; row < table.size(); ++row) {
        table[row][0] = kTable27C[row][0];
        table[row][1] = kTable27C[row][1] / 360 * kTwoPiAsPublished;
        table[row][2] = kTable27C[row][2] / 360 * kTwoPiAsPublished;
    }
    return table;
}

constinit PeriodicTermTable periodicTerms = buildPeriodicTerms();

constexpr int eventRow(EventKind kind) { return kind >= 0 && kind <= 2 ? kind : 3; }

// The crossing of a bracket given in TT, back to UT with deltaTDays. The brackets of the
// program's instants hold their crossing (every year 1 to 3000 is tested): a search that did not
// converge is a fault of the program, reported rather than printed as an instant.
double trueSunUT(const LongitudeCrossing& crossing, double targetDeg, double deltaTDays) {
    if (crossing.status != BracketedRootStatus::Converged)
        throw std::logic_error("no instant found at which the Sun's apparent longitude reaches " +
                               std::to_string(targetDeg) + " degrees near JD " + std::to_string(crossing.jdTT));
    return crossing.jdTT - deltaTDays;
}

// The instant (UT) at which the Sun's apparent longitude reaches targetDeg between the two
// events around the cross-quarter day of the kind (quarterEndsOf), each end moved outwards by
// widenDays. Both events are taken to TT with the Delta T of the requested year, and the
// result back to UT with the same value.
double trueSunInQuarter(std::int32_t year, CrossQuarterKind kind, double targetDeg, double widenDays) {
    const QuarterEnds b = quarterEndsOf(year, kind);
    const double first = EquinoxSolsticeUT(b.firstKind, b.firstYear);
    const double second = EquinoxSolsticeUT(b.secondKind, year);
    const double d = daysFromMinutes(DeltaTMinutes(year));
    return trueSunUT(sunCrossing(targetDeg, first + d - widenDays, second + d + widenDays), targetDeg, d);
}

// Half the bracket of a true-sun equinox or solstice around the Meeus instant, which lies
// within about 3 minutes of it.
constexpr double kEquinoxBracketHalfDays = 2.0;

// Targets closer than this to an equinox or solstice get the bracket of their quarter moved
// out by kEquinoxBracketHalfDays at both ends; the longitude still rises through the target
// once in it (about 95 degrees).
constexpr double kNearEventDeg = 0.5;

}  // namespace

void InitPeriodicTerms() { periodicTerms = buildPeriodicTerms(); }

const PeriodicTermTable& PeriodicTerms() { return periodicTerms; }

double PeriodicTermsSum(double T) {
    double s = 0.0;
    for (const auto& term : periodicTerms) s += term[0] * std::cos(term[1] + term[2] * T);
    return s;
}

double meanEquinoxSolsticeJDE(EventKind kind, std::int32_t year, MeeusTable table) {
    const bool tableA = table == MeeusTable::A;
    const double y = tableA ? year / 1000.0 : (year - 2000) / 1000.0;
    const double* a = tableA ? kTable27A[eventRow(kind)] : kTable27B[eventRow(kind)];
    const double y2 = y * y;
    const double y3 = y2 * y;
    const double y4 = y3 * y;
    // Evaluated term by term, in the published order.
    return a[0] + a[1] * y + a[2] * y2 + a[3] * y3 + a[4] * y4;
}

double correctedEquinoxSolsticeJDE(double jde0) {
    const double t = (jde0 - kJ2000) / kDaysPerJulianCentury;
    const double w = (35999.373 * t - 2.47) / 360 * kTwoPiAsPublished;
    const double deltaLambda = 1 + 0.0334 * std::cos(w) + 0.0007 * std::cos(2 * w);
    const double s = PeriodicTermsSum(t);
    return jde0 + 0.00001 * s / deltaLambda;
}

double EquinoxSolsticeJDE(EventKind kind, std::int32_t year) {
    return correctedEquinoxSolsticeJDE(meanEquinoxSolsticeJDE(kind, year, meeusTableOf(year)));
}

double EquinoxSolsticeUT(EventKind kind, std::int32_t year) {
    return EquinoxSolsticeJDE(kind, year) - daysFromMinutes(DeltaTMinutes(year));
}

QuarterEnds quarterEndsOf(std::int32_t year, CrossQuarterKind kind) {
    if (kind == 0) return {3, year - 1, 0};
    return {static_cast<EventKind>(kind - 1), year, kind};
}

double MeanCrossQuarterJD(std::int32_t year, CrossQuarterKind kind) {
    const QuarterEnds b = quarterEndsOf(year, kind);
    const double first = EquinoxSolsticeUT(b.firstKind, b.firstYear);
    const double second = EquinoxSolsticeUT(b.secondKind, year);
    return first + (second - first) / 2;
}

double TrueCrossQuarterJD(std::int32_t year, CrossQuarterKind kind) {
    return trueSunInQuarter(year, kind, std::fmod(315.0 + 90.0 * (kind % 4), 360.0), 0.0);
}

double TrueEquinoxSolsticeJD(std::int32_t year, EventKind kind) {
    const double meeusTT = EquinoxSolsticeJDE(kind, year);
    const double targetDeg = 90.0 * eventRow(kind);
    const LongitudeCrossing crossing =
        sunCrossing(targetDeg, meeusTT - kEquinoxBracketHalfDays, meeusTT + kEquinoxBracketHalfDays);
    return trueSunUT(crossing, targetDeg, daysFromMinutes(DeltaTMinutes(year)));
}

double TrueSolarLongitudeJD(std::int32_t year, double longitudeDeg) {
    if (!std::isfinite(longitudeDeg)) return std::numeric_limits<double>::quiet_NaN();
    double target = std::fmod(longitudeDeg, 360.0);
    if (target < 0.0) target += 360.0;
    if (target >= 360.0) target = 0.0;  // a tiny negative value rounds up to 360
    // The equinoxes and solstices, and the cross-quarter days, by their own functions.
    const double offset = std::fmod(target, 90.0);
    if (offset == 0.0) return TrueEquinoxSolsticeJD(year, static_cast<EventKind>(target / 90.0));
    // The quarter after the event at 90 q degrees: quarterEndsOf's kind q + 1 (q = 3: kind 0,
    // from the December solstice of the year before).
    const auto kind = static_cast<CrossQuarterKind>((static_cast<int>(target / 90.0) + 1) % 4);
    if (offset == 45.0) return TrueCrossQuarterJD(year, kind);
    // Near an end of the quarter the crossing may lie just beyond the Meeus instant of the
    // event there (it errs by up to about 3 minutes, the Sun moving 0.002 degrees in them).
    const bool nearAnEvent = offset < kNearEventDeg || offset > 90.0 - kNearEventDeg;
    return trueSunInQuarter(year, kind, target, nearAnEvent ? kEquinoxBracketHalfDays : 0.0);
}

}  // namespace varnex
