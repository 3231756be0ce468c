#include "support/reference_data.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace varnex::test {

std::string dataPath(std::string_view fileName) { return std::string(VARNEX_TEST_DATA_DIR) + "/" + std::string(fileName); }

std::vector<Crossing> referenceCrossings() {
    std::ifstream in(dataPath("sun_longitude_crossings.csv"));
    if (!in) throw std::runtime_error("missing sun_longitude_crossings.csv");
    std::vector<Crossing> rows;
    std::string line;
    std::getline(in, line);  // header: year,event,longitude_deg,jd_tt
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        Crossing c;
        std::string year, longitude, jd;
        std::getline(fields, year, ',');
        std::getline(fields, c.event, ',');
        std::getline(fields, longitude, ',');
        std::getline(fields, jd, ',');
        c.year = std::stoi(year);
        c.longitudeDeg = std::stod(longitude);
        c.jdTT = std::stod(jd);
        rows.push_back(c);
    }
    return rows;
}

Spread spreadOf(std::vector<double> errors) {
    if (errors.empty()) return {0.0, 0.0};
    std::sort(errors.begin(), errors.end());
    return {errors[errors.size() / 2], errors.back()};
}

}  // namespace varnex::test
