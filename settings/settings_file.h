// The settings file: fifteen records in a fixed order, each ending in CR LF.
//
//   1  year text                    quoted text: "2015"
//   2-12  the check boxes VE, SS, AE, WS, Imbolc, Beltane, Lughnassad, Samhain, true sun,
//      mean sun, weekday            number fields: " 1 " (a blank for the sign, the digits, a
//                                   blank); 0 clear, 1 ticked, 2 greyed
//   13 time-zone list index         number field, -1 (no selection) to 48: "-1 ", " 24 "
//   14 southern hemisphere          #TRUE# or #FALSE#, without quotes
//   15 output text                  quoted text; may span lines
// Quoted texts are written without escapes; on reading, a quoted field runs from its opening
// double quote to the next one, and the rest of that line is ignored. Unquoted fields end at
// a comma or the end of the line, blanks around them skipped.
#pragma once

#include "text/tick_state.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace varnex {

// Fields 2 to 12, in file order.
enum SettingsBox : std::size_t {
    kBoxVE, kBoxSS, kBoxAE, kBoxWS, kBoxImbolc, kBoxBeltane, kBoxLughnassad, kBoxSamhain,
    kBoxTrueSun, kBoxMeanSun, kBoxIncludeWeekday, kSettingsBoxCount
};

// The window's state as the file holds it; the defaults are those of a start without a file.
struct Settings {
    std::string yearText = "2015";
    std::array<TickState, kSettingsBoxCount> boxes = {
        TickState::Ticked, TickState::Ticked, TickState::Ticked, TickState::Ticked,
        TickState::Ticked, TickState::Ticked, TickState::Ticked, TickState::Ticked,
        TickState::Ticked, TickState::Ticked, TickState::Clear};
    std::int16_t timezoneIndex = 24;
    bool southernHemisphere = false;
    std::string outputText;
};

inline constexpr int kSettingsFieldCount = 15;
inline constexpr std::size_t kRestoredOutputLimit = 10240;  // characters of field 15 taken back

// The file's content.
std::string formatSettings(const Settings& settings);

// What a restore takes from a file: the fields before the first fault, in order.
struct RestoredSettings {
    int fieldsRead = 0;  // 0 to 15: fields 1 to fieldsRead hold values read from the file
    Settings values;     // the rest keep their defaults
};

// Reads the fields in order and stops at the first that is missing, not a number where one
// is expected, or outside what its control accepts (a box 0 to 2, the zone -1 to 48). Field
// 15 is cut to its first 10240 characters, then its leading and trailing blanks removed.
RestoredSettings parseSettings(std::string_view content);

}  // namespace varnex
