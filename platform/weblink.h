// Opening an address with the program the system associates with it: where the address
// points, and the message of a launch that failed.
#pragma once

#include <string>
#include <string_view>

namespace varnex {

// The extension of the last part of a path, without its dot, lower-cased with lowerCase;
// empty when the last part has no dot. Parts end at "\" and, outside Windows, at "/" too.
std::string GetFileExtension(std::string_view path, bool lowerCase);

// What an address names: nothing (empty or blank); a web address the program opens (the
// schemes http, https and mailto, in any case); an address of any other scheme ("file:",
// "smb:", ...); or else a file path. A scheme has two characters or more, so that a drive
// letter is none.
enum class AddressKind { None, Web, OtherScheme, File };
AddressKind kindOfAddress(std::string_view address);

// An address as the program opens it: a bare file name lies in the program's folder; an
// absolute path and an address with a scheme stand as they are; an empty or blank address
// stays empty.
std::string resolveAddress(std::string_view address, std::string_view programFolder);

// Results of a launch: 32 or below is a failure.
inline constexpr int kLaunchFailureLimit = 32;
inline constexpr int kLaunchFileNotFound = 2;
inline constexpr int kLaunchAccessDenied = 5;  // an address the program does not open
inline constexpr int kLaunchOutOfMemory = 8;
inline constexpr int kLaunchNoAssociation = 31;

inline constexpr std::string_view kLaunchFailureTitle = "Cannot launch web browser";

// kLaunchFailureTitle in `language`.
std::string launchFailureTitle(std::int16_t language);

// "Error launching web browser, error code = 31." and what the result means, for a
// failed launch of `address`, in `language`.
std::string launchFailureText(int result, std::string_view address, std::int16_t language);

}  // namespace varnex
