#include "support/reference_data.h"

#include <algorithm>
#include <chrono>
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

double julianDayOf(const std::string& date, const std::string& time) {
    const std::chrono::year_month_day day{std::chrono::year(std::stoi(date.substr(0, 4))),
                                          std::chrono::month(static_cast<unsigned>(std::stoi(date.substr(5, 2)))),
                                          std::chrono::day(static_cast<unsigned>(std::stoi(date.substr(8, 2))))};
    const double minutes = std::stoi(time.substr(0, 2)) * 60 + std::stoi(time.substr(3, 2));
    return 2440587.5 + static_cast<double>(std::chrono::sys_days(day).time_since_epoch().count()) + minutes / 1440;  // 2440587.5: 1970-01-01
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
