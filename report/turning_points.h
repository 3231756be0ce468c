// The turning points of the year beside the eight events of the table: perihelion and
// aphelion, the 24 solar terms of the East-Asian calendars (every 15 degrees of the Sun's
// apparent longitude) and any other longitude the user names.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace varnex {

struct SolarTerm {
    std::int16_t longitudeDeg;     // 0, 15, ... 345
    std::string_view english;      // "Start of Spring"
    std::string_view pinyinAscii;  // "Lichun": what a user types
    std::string_view pinyin;       // "Lìchūn": with its tone marks
    std::string_view characters;   // "立春" (simplified)
};

// By longitude from the March equinox, with their common English renderings; the
// characters are the simplified ones.
inline constexpr std::array<SolarTerm, 24> kSolarTerms = {{
    {0, "Spring Equinox", "Chunfen", "Chūnfēn", "春分"},
    {15, "Pure Brightness", "Qingming", "Qīngmíng", "清明"},
    {30, "Grain Rain", "Guyu", "Gǔyǔ", "谷雨"},
    {45, "Start of Summer", "Lixia", "Lìxià", "立夏"},
    {60, "Grain Full", "Xiaoman", "Xiǎomǎn", "小满"},
    {75, "Grain in Ear", "Mangzhong", "Mángzhòng", "芒种"},
    {90, "Summer Solstice", "Xiazhi", "Xiàzhì", "夏至"},
    {105, "Minor Heat", "Xiaoshu", "Xiǎoshǔ", "小暑"},
    {120, "Major Heat", "Dashu", "Dàshǔ", "大暑"},
    {135, "Start of Autumn", "Liqiu", "Lìqiū", "立秋"},
    {150, "End of Heat", "Chushu", "Chǔshǔ", "处暑"},
    {165, "White Dew", "Bailu", "Báilù", "白露"},
    {180, "Autumn Equinox", "Qiufen", "Qiūfēn", "秋分"},
    {195, "Cold Dew", "Hanlu", "Hánlù", "寒露"},
    {210, "Frost's Descent", "Shuangjiang", "Shuāngjiàng", "霜降"},
    {225, "Start of Winter", "Lidong", "Lìdōng", "立冬"},
    {240, "Minor Snow", "Xiaoxue", "Xiǎoxuě", "小雪"},
    {255, "Major Snow", "Daxue", "Dàxuě", "大雪"},
    {270, "Winter Solstice", "Dongzhi", "Dōngzhì", "冬至"},
    {285, "Minor Cold", "Xiaohan", "Xiǎohán", "小寒"},
    {300, "Major Cold", "Dahan", "Dàhán", "大寒"},
    {315, "Start of Spring", "Lichun", "Lìchūn", "立春"},
    {330, "Rain Water", "Yushui", "Yǔshuǐ", "雨水"},
    {345, "Awakening of Insects", "Jingzhe", "Jīngzhé", "惊蛰"},
}};

enum class TurningKind : std::int16_t { Perihelion, Aphelion, SolarTerm, Longitude };

struct TurningPoint {
    TurningKind kind = TurningKind::Perihelion;
    // A solar term's longitude (a multiple of 15), or the user's, in [0, 360) to a
    // thousandth of a degree.
    double longitudeDeg = 0;
    friend bool operator==(const TurningPoint&, const TurningPoint&) = default;
};

// The term at a longitude that is a multiple of 15 degrees.
const SolarTerm& solarTermAt(double longitudeDeg);

// The id of the command line and the exports: perihelion, aphelion, term-015, longitude-123.450.
std::string turningPointKey(const TurningPoint& point);

// The name of the exports: "Perihelion", "Pure Brightness (Qīngmíng, 清明)",
// "Solar longitude 123.450°".
std::string turningPointName(const TurningPoint& point);

// The name of a text line, without the characters of a term (they take two columns of a
// terminal each, which would break the label's dots): "Qingming (Pure Brightness)".
std::string turningPointLineName(const TurningPoint& point);

// A longitude the user typed, in degrees: a finite number in [0, 360), kept to a thousandth
// of a degree; empty otherwise.
std::optional<double> parseLongitude(std::string_view text);

}  // namespace varnex
