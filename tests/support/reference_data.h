// Reference tables of the tests, read from tests/data/.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace varnex::test {

// The fields of each row of a CSV file in tests/data/, after its comment lines ('#', naming
// the source) and its header line.
std::vector<std::vector<std::string>> csvRows(const std::string& fileName);

// The Julian day (UT) of a Gregorian date "YYYY-MM-DD" and time "hh:mm" of a table.
double julianDayOf(const std::string& date, const std::string& time);

// sun_longitude_crossings.csv: the instants (TT) at which the Sun's apparent longitude
// reaches 0, 45, ... 315 degrees, from a DE431-based ephemeris (about 0.02 s).
struct Crossing { int year, longitudeDeg; double jdTT; };
std::vector<Crossing> referenceCrossings();

// Median and maximum of absolute errors in seconds, over all years and over 1600-2200, of
// instantTT(c) against c.jdTT for the crossings where it has a value.
struct Spread { double median, max; };
struct Spreads { Spread all, modern; std::size_t count; };
Spreads spreadsAgainstCrossings(const std::function<std::optional<double>(const Crossing&)>& instantTT);

}  // namespace varnex::test
