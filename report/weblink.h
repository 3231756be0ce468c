// Opening an address with the program the system associates with it: where the address
// points, and the message of a launch that failed.
#pragma once

#include <string>
#include <string_view>

namespace varnex {

// The extension of the last part of a path, without its dot, lower-cased with lowerCase;
// empty when the last part has no dot. Parts end at "\" and, outside Windows, at "/" too.
std::string GetFileExtension(std::string_view path, bool lowerCase);

// An address as the program opens it: a web address ("https://...", "mailto:...") or an
// absolute path as it stands; a bare file name lies in the program's folder.
std::string ResolveAddress(std::string_view address, std::string_view programFolder);

// Results of a launch below or at this value are failures.
inline constexpr int kLaunchFailureLimit = 32;
inline constexpr int kLaunchFileNotFound = 2;
inline constexpr int kLaunchOutOfMemory = 8;
inline constexpr int kLaunchNoAssociation = 31;

inline constexpr std::string_view kLaunchFailureTitle = "Cannot launch web browser";

// "Error launching web browser, error code = 31." and what the result means, for a
// failed launch of `address`.
std::string LaunchFailureText(int result, std::string_view address);

}  // namespace varnex
