#include "open_address.h"

#include "files.h"
#include "program_folder.h"
#include "platform/weblink.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace varnex::platform {
namespace {

std::function<int(const std::string&)>& opener() {
    static std::function<int(const std::string&)> o;
    return o;
}

constexpr int kLaunched = 42;  // any result above 32

// The result of xdg-open by its exit status: 0 opened, 2 the file does not exist; 3 (no
// program takes it), 4 (the program failed), 1 and a crash all count as nothing opening it.
int resultOfOpener(int exitCode, QProcess::ExitStatus status) {
    if (status != QProcess::NormalExit) return kLaunchNoAssociation;
    if (exitCode == 0) return kLaunched;
    return exitCode == 2 ? kLaunchFileNotFound : kLaunchNoAssociation;
}

// Runs xdg-open without waiting for it, and reports its result when it ends. False when the
// system has no xdg-open.
bool launchWithXdgOpen(const QString& target, QObject* context, const std::function<void(int)>& finished) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const QString program = QStandardPaths::findExecutable("xdg-open");
    if (program.isEmpty()) return false;
    auto* process = new QProcess;
    process->setProgram(program);
    process->setArguments({target});
    process->setStandardInputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedChannels);  // nothing kept in memory
    QObject* receiver = context ? context : process;
    QObject::connect(process, &QProcess::finished, receiver,
                     [finished](int code, QProcess::ExitStatus status) { finished(resultOfOpener(code, status)); });
    QObject::connect(process, &QProcess::errorOccurred, receiver, [finished](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) finished(kLaunchNoAssociation);
    });
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    QObject::connect(process, &QProcess::errorOccurred, process, [process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) process->deleteLater();
    });
    process->start();
    return true;
#else
    (void)target, (void)context, (void)finished;
    return false;
#endif
}

}  // namespace

void openAddress(const std::string& address, QObject* context, std::function<void(int)> finished) {
    const AddressKind kind = kindOfAddress(address);
    std::string target = address;
    switch (kind) {
    case AddressKind::None: return;
    case AddressKind::OtherScheme: return finished(kLaunchAccessDenied);
    case AddressKind::Web: {
        const QUrl url(QString::fromStdString(address));
        if (!url.isValid() || (url.scheme().startsWith("http", Qt::CaseInsensitive) && url.host().isEmpty()))
            return finished(kLaunchAccessDenied);
        break;
    }
    case AddressKind::File: {
        const auto inside = pathInsideFolder(address, programFolder());
        if (!inside) return finished(kLaunchAccessDenied);
        target = *inside;
        break;
    }
    }
    if (opener()) return finished(opener()(target));
    const QString text = QString::fromStdString(target);
    if (kind == AddressKind::File && !QFileInfo(text).isFile()) return finished(kLaunchFileNotFound);
    if (launchWithXdgOpen(text, context, finished)) return;
    const QUrl url = kind == AddressKind::File ? QUrl::fromLocalFile(text) : QUrl(text);
    finished(QDesktopServices::openUrl(url) ? kLaunched : kLaunchNoAssociation);
}

void setAddressOpenerForTesting(std::function<int(const std::string&)> o) { opener() = std::move(o); }

}  // namespace varnex::platform
