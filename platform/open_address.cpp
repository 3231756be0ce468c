#include "open_address.h"

#include "report/weblink.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace varnex::platform {
namespace {

std::function<int(const std::string&)>& opener() {
    static std::function<int(const std::string&)> o;
    return o;
}

constexpr int kLaunched = 42;  // any result above 32

}  // namespace

int OpenAddress(const std::string& address) {
    if (opener()) return opener()(address);
    const QString text = QString::fromStdString(address);
    const QUrl url = text.contains("://") || text.startsWith("mailto:") ? QUrl(text) : QUrl::fromLocalFile(text);
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile())) return kLaunchFileNotFound;
    return QDesktopServices::openUrl(url) ? kLaunched : kLaunchNoAssociation;
}

void setAddressOpenerForTesting(std::function<int(const std::string&)> o) { opener() = std::move(o); }

}  // namespace varnex::platform
