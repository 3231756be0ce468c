#include "support/reference_data.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace varnex::test {

std::vector<std::vector<std::string>> csvRows(const std::string& fileName) {
    std::ifstream in(std::string(VARNEX_TEST_DATA_DIR) + "/" + fileName);
    if (!in) throw std::runtime_error("missing test data " + fileName);
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        rows.emplace_back();
        for (std::string field; std::getline(fields, field, ',');) rows.back().push_back(field);
    }
    if (!rows.empty()) rows.erase(rows.begin());  // the header
    return rows;
}

std::vector<Crossing> referenceCrossings() {
    std::vector<Crossing> crossings;  // year,event,longitude_deg,jd_tt
    for (const auto& f : csvRows("sun_longitude_crossings.csv"))
        crossings.push_back({std::stoi(f.at(0)), std::stoi(f.at(2)), std::stod(f.at(3))});
    return crossings;
}

Spreads spreadsAgainstCrossings(const std::function<std::optional<double>(const Crossing&)>& instantTT) {
    std::vector<double> all, modern;
    for (const Crossing& c : referenceCrossings()) {
        if (const std::optional<double> jd = instantTT(c)) {
            all.push_back(std::abs(*jd - c.jdTT) * 86400.0);
            if (c.year >= 1600 && c.year <= 2200) modern.push_back(all.back());
        }
    }
    const auto spreadOf = [](std::vector<double>& errors) {  // NaN for no errors: fails every comparison
        std::ranges::sort(errors);
        return errors.empty() ? Spread{NAN, NAN} : Spread{errors[errors.size() / 2], errors.back()};
    };
    return {spreadOf(all), spreadOf(modern), all.size()};
}

}  // namespace varnex::test
