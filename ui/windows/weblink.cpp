#include "weblink.h"

#include "platform/message_box.h"
#include "platform/open_address.h"
#include "platform/weblink.h"
#include "text/program_text.h"

#include <QWidget>

namespace varnex {

void LaunchWebBrowser(QWidget* parent, const std::string& strAddress) {
    platform::openAddress(strAddress, parent, [parent, strAddress](int result) {
        if (result > kLaunchFailureLimit) return;
        platform::showMessage(parent, {launchFailureText(result, strAddress, intLanguage), launchFailureTitle(intLanguage),
                                       MessageIcon::Warning});
    });
}

}  // namespace varnex
