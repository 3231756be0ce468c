// Reference tables of the tests, read from tests/data/.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace varnex::test {

std::string dataPath(std::string_view fileName);

// sun_longitude_crossings.csv: the instants (TT) at which the Sun's apparent longitude
// reaches 0, 45, ... 315 degrees, from a DE431-based ephemeris (Swiss Ephemeris 2.10,
// swe_solcross; about 0.02 s).
struct Crossing {
    int year;
    std::string event;  // imbolc, march_equinox, beltane, june_solstice, ...
    double longitudeDeg;
    double jdTT;
};
std::vector<Crossing> referenceCrossings();

// Median and maximum of absolute values.
struct Spread {
    double median;
    double max;
};
Spread spreadOf(std::vector<double> absoluteErrors);

}  // namespace varnex::test
