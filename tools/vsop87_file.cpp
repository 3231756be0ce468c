#include "vsop87_file.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <stdexcept>
#include <string_view>

namespace vsop87 {
namespace {

[[noreturn]] void fail(const std::string& path, int line, const std::string& what) {
    throw std::runtime_error(path + ":" + std::to_string(line) + ": " + what);
}

// A fixed-width numeric field; blanks around the number are allowed.
template <typename T>
T fieldAt(const std::string& record, std::size_t first, std::size_t width,
        const std::string& path, int line) {
    if (record.size() < first + width) fail(path, line, "record too short");
    std::string_view text(record.data() + first, width);
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    T value{};
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) fail(path, line, "bad number");
    return value;
}

}  // namespace

Body readBody(const std::string& path) {
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot open " + path);
    Body body;
    std::vector<Term>* series = nullptr;
    int expected = 0;
    int lineNo = 0;
    std::string record;
    while (std::getline(in, record)) {
        ++lineNo;
        if (!record.empty() && record.back() == '\r') record.pop_back();
        if (record.empty()) continue;
        if (record.compare(1, 6, "VSOP87") == 0) {
            if (series && static_cast<int>(series->size()) != expected)
                fail(path, lineNo, "previous series has the wrong number of terms");
            const int coordinate = fieldAt<int>(record, 41, 1, path, lineNo);
            const int power = fieldAt<int>(record, 59, 1, path, lineNo);
            expected = fieldAt<int>(record, 60, 7, path, lineNo);
            if (coordinate < 1 || coordinate > 3 || power < 0 || power > 5)
                fail(path, lineNo, "bad header");
            Coordinate& c = coordinate == 1 ? body.l : coordinate == 2 ? body.b : body.r;
            series = &c[static_cast<std::size_t>(power)];
            series->reserve(static_cast<std::size_t>(expected));
            continue;
        }
        if (!series) fail(path, lineNo, "term before the first header");
        Term term{};
        for (std::size_t i = 0; i < term.multipliers.size(); ++i)
            term.multipliers[i] = fieldAt<int>(record, 10 + 3 * i, 3, path, lineNo);
        term.s = fieldAt<double>(record, 46, 15, path, lineNo);
        term.k = fieldAt<double>(record, 61, 18, path, lineNo);
        term.amplitude = fieldAt<double>(record, 79, 18, path, lineNo);
        term.phase = fieldAt<double>(record, 97, 14, path, lineNo);
        term.frequency = fieldAt<double>(record, 111, 20, path, lineNo);
        series->push_back(term);
    }
    if (series && static_cast<int>(series->size()) != expected)
        fail(path, lineNo, "last series has the wrong number of terms");
    return body;
}

double evaluate(const Coordinate& series, double tMillennia) {
    double value = 0.0;
    double tPower = 1.0;
    for (const auto& terms : series) {
        double sum = 0.0;
        for (const Term& term : terms) sum += term.amplitude * std::cos(term.phase + term.frequency * tMillennia);
        value += sum * tPower;
        tPower *= tMillennia;
    }
    return value;
}

}  // namespace vsop87
