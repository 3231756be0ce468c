#include "weblink.h"

#include "text/number_text.h"
#include "text/program_text.h"
#include "text/translation.h"

#include <algorithm>
#include <cctype>

namespace varnex {
namespace {

#ifdef _WIN32
constexpr std::string_view kPartSeparators = "\\";
#else
constexpr std::string_view kPartSeparators = "\\/";
#endif

bool isAbsolutePath(std::string_view path) {
#ifdef _WIN32
    return (path.size() > 2 && path[1] == ':') || path.starts_with("\\\\");
#else
    return path.starts_with('/');
#endif
}

}  // namespace

std::string GetFileExtension(std::string_view path, bool lowerCase) {
    const auto separator = path.find_last_of(kPartSeparators);
    const std::string_view part = separator == std::string_view::npos ? path : path.substr(separator + 1);
    const auto dot = part.rfind('.');
    if (dot == std::string_view::npos) return {};
    std::string extension(part.substr(dot + 1));
    if (lowerCase)
        std::transform(extension.begin(), extension.end(), extension.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

AddressKind kindOfAddress(std::string_view address) {
    if (address.find_first_not_of(" \t\r\n") == std::string_view::npos) return AddressKind::None;
    // scheme = letter *(letter / digit / "+" / "-" / ".") ":"
    const auto colon = address.find(':');
    const std::string_view scheme = address.substr(0, colon == std::string_view::npos ? 0 : colon);
    const auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    const auto schemeCharacter = [&](char c) {
        return letter(c) || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
    };
    if (scheme.size() < 2 || !letter(scheme[0]) || !std::all_of(scheme.begin(), scheme.end(), schemeCharacter))
        return AddressKind::File;
    std::string lower(scheme);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower == "http" || lower == "https" || lower == "mailto" ? AddressKind::Web : AddressKind::OtherScheme;
}

std::string resolveAddress(std::string_view address, std::string_view programFolder) {
    const AddressKind kind = kindOfAddress(address);
    if (kind == AddressKind::None) return {};
    if (kind != AddressKind::File || isAbsolutePath(address)) return std::string(address);
    return joinFolderAndFile(programFolder, address);
}

std::string launchFailureTitle(std::int16_t language) { return translate("Report", "Cannot launch web browser").in(language); }

std::string launchFailureText(int result, std::string_view address, std::int16_t language) {
    std::string text = withArgument(translate("Report", "Error launching web browser, error code = %1.").in(language), decimal(result));
    switch (result) {
    case kLaunchNoAssociation:
        text += "\r\n\r\n" + withArgument(translate("Report", "File extension '%1' is not associated with any "
                                                             "application program.").in(language),
                                            GetFileExtension(address, true));
        break;
    case kLaunchOutOfMemory: text += "\r\n\r\n" + translate("Report", "Out of memory.").in(language); break;
    case kLaunchFileNotFound: text += "\r\n\r\n" + translate("Report", "Please try once more.").in(language); break;
    default: break;
    }
    return text;
}

}  // namespace varnex
