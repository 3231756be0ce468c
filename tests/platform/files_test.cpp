// Reading files the window shows (only regular files, never waiting, never more than asked),
// the place of a path within a folder, the messages of a save that fails, and opening
// addresses: which are refused, and the result of the system's opener.
#include "platform/files.h"
#include "platform/open_address.h"
#include "platform/program_folder.h"
#include "platform/file_view.h"
#include "text/language.h"
#include "support/temp_folder.h"

#include <QtTest>

#include <fstream>
#include <functional>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <grp.h>

using namespace varnex;
using namespace varnex::platform;
namespace fs = std::filesystem;

namespace {

// What `run` returns when run by a user who is not root (in a child process as "nobody" when
// the test runs as root, since root may read and write anything).
std::string asUnprivilegedUser(const std::function<std::string()>& run) {
    if (geteuid() != 0) return run();
    int out[2];
    if (pipe(out) != 0) return "no pipe";
    const pid_t child = fork();
    if (child == 0) {
        close(out[0]);
        const bool dropped = setgroups(0, nullptr) == 0 && setgid(65534) == 0 && setuid(65534) == 0;
        const std::string result = dropped ? run() : "cannot drop root";
        const bool written = write(out[1], result.data(), result.size()) == static_cast<ssize_t>(result.size());
        _exit(written ? 0 : 1);
    }
    close(out[1]);
    std::string result;
    char buffer[512];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) result.append(buffer, static_cast<std::size_t>(n));
    close(out[0]);
    waitpid(child, nullptr, 0);
    return result;
}

std::string errorOf(const TextFile& file) { return file.ok() ? "ok" : fileErrorText(file.errorNumber, file.description, varnex::intEnglish); }

}  // namespace

class FilesTest : public QObject {
    Q_OBJECT
    std::unique_ptr<test::TempFolder> folder;
    fs::path at(const std::string& name) const { return *folder / name; }

    // The result of opening `address` with the opener recorded, when one comes.
    std::optional<int> open(const std::string& address, std::vector<std::string>* opened = nullptr) {
        setAddressOpenerForTesting([opened](const std::string& target) {
            if (opened) opened->push_back(target);
            return 42;
        });
        std::optional<int> result;
        openAddress(address, nullptr, [&result](int r) { result = r; });
        setAddressOpenerForTesting({});
        return result;
    }

private slots:
    void init() {
        folder = std::make_unique<test::TempFolder>();
        fs::permissions(folder->path(), fs::perms::all);  // others may write: a user without rights can be tried
    }
    void cleanup() { folder.reset(); }

    void viewerReadsOnlyRegularFiles_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("error");
        QTest::newRow("a FIFO") << "fifo" << "Error 75.  Path/File access error";
        QTest::newRow("a link to a device") << "zero" << "Error 75.  Path/File access error";
        QTest::newRow("a folder") << "." << "Error 75.  Path/File access error";
        QTest::newRow("a name too long") << QString(300, 'n') << "Error 75.  Path/File access error";
        QTest::newRow("missing") << "missing.txt" << "Error 53.  File not found";
        QTest::newRow("empty") << "empty.txt" << "Error 62.  Input past end of file";
        QTest::newRow("no permission") << "secret.txt" << "Error 70.  Permission denied";
        QTest::newRow("readable") << "help.txt" << "ok";
    }

    void viewerReadsOnlyRegularFiles() {
        QFETCH(QString, name);
        QFETCH(QString, error);
        QCOMPARE(mkfifo(at("fifo").c_str(), 0666), 0);  // opening it for reading would wait for a writer
        fs::create_symlink("/dev/zero", at("zero"));       // a file that never ends
        std::ofstream(at("empty.txt")).flush();
        std::ofstream(at("secret.txt")) << "secret";
        fs::permissions(at("secret.txt"), fs::perms::none);
        std::ofstream(at("help.txt")) << "help";
        const QString path = QString::fromStdString(at(name.toStdString()).string());
        QCOMPARE(asUnprivilegedUser([&] { return errorOf(readTextFile(path, kViewerByteLimit)); }), error.toStdString());
        QVERIFY(!readFileBytes(QString::fromStdString(at("fifo").string()), 100));
    }

    void readsNoMoreThanAsked() {
        // 300 MB that take no room on disk: only the first bytes are read, and the rest noticed.
        std::ofstream(at("huge.txt")) << "abc";
        fs::resize_file(at("huge.txt"), 300'000'000);
        const TextFile huge = readTextFile(QString::fromStdString(at("huge.txt").string()), kViewerByteLimit);
        QVERIFY(huge.ok() && huge.cut);
        QCOMPARE(huge.text.size(), kViewerByteLimit);
        QCOMPARE(huge.text.substr(0, 4), std::string("abc\0", 4));
    }

    void pathsInsideTheFolder_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("inside");  // relative to the folder; "-" for none
        QTest::newRow("a file") << "d/help.txt" << "help.txt";
        QTest::newRow("not there yet") << "d/images/new.png" << "images/new.png";
        QTest::newRow("dots inside") << "d/images/../help.txt" << "help.txt";
        QTest::newRow("dots out") << "d/../outside.txt" << "-";
        QTest::newRow("a link out") << "d/passwd" << "-";
        QTest::newRow("a link in") << "d/again.txt" << "help.txt";
        QTest::newRow("the folder itself") << "d/" << "-";
        QTest::newRow("a longer name") << "d2/help.txt" << "-";
        QTest::newRow("elsewhere") << "/etc/passwd" << "-";
    }

    void pathsInsideTheFolder() {
        QFETCH(QString, path);
        QFETCH(QString, inside);
        fs::create_directories(at("d/images"));
        std::ofstream(at("d/help.txt")) << "help";
        fs::create_symlink("/etc/passwd", at("d/passwd"));
        fs::create_symlink("help.txt", at("d/again.txt"));
        const std::string full = path.startsWith('/') ? path.toStdString() : at(path.toStdString()).string();
        const auto found = pathInsideFolder(full, at("d").string());
        const std::string expected = fs::weakly_canonical(at("d")).string() + "/" + inside.toStdString();
        QCOMPARE(found.value_or("-"), inside == "-" ? "-" : expected);
    }

    void failedSavesNameWhatFailedOnce() {
        std::ofstream(at("kept.usr")) << "old";
        fs::permissions(at("kept.usr"), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        fs::create_directory(at("locked"));
        fs::permissions(at("locked"), fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
        const auto save = [](const fs::path& path) {
            return replaceFileContent(QString::fromStdString(path.string()), "new");
        };
        QCOMPARE(asUnprivilegedUser([&] { return save(at("kept.usr")); }),
                 "Permission denied: " + at("kept.usr").string());
        // A settings folder that cannot be made in a folder the user may not write.
        QCOMPARE(asUnprivilegedUser([&] { return save(at("locked/Ostrel/varnex.usr")); }),
                 "Permission denied: " + at("locked/Ostrel").string());
    }

    void onlyWebAddressesAndFilesOfTheProgramFolderOpen_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<int>("result");  // 0: none comes
        QTest::addColumn<QString>("opened");
        QTest::newRow("https") << "https://www.example.org/a b" << 42 << "https://www.example.org/a b";
        QTest::newRow("mailto") << "MAILTO:ann@example.org" << 42 << "MAILTO:ann@example.org";
        QTest::newRow("a shipped file") << "@/manual.html" << 42 << "@/manual.html";
        QTest::newRow("empty") << "" << 0 << "";
        QTest::newRow("blank") << "  " << 0 << "";
        QTest::newRow("file scheme") << "file:///etc/shadow" << 5 << "";
        QTest::newRow("smb") << "smb://host/share/setup.exe" << 5 << "";
        QTest::newRow("a file elsewhere") << "/etc/passwd" << 5 << "";
        QTest::newRow("out of the folder") << "@/../x.html" << 5 << "";
        QTest::newRow("the folder") << "@/" << 5 << "";
        QTest::newRow("no web address") << "http://[x" << 5 << "";
        QTest::newRow("no host") << "https:///etc/passwd" << 5 << "";
    }

    void onlyWebAddressesAndFilesOfTheProgramFolderOpen() {
        QFETCH(QString, address);
        QFETCH(int, result);
        QFETCH(QString, opened);
        const QString program = QString::fromStdString(fs::canonical(folder->path()).string());
        setProgramFolderForTesting(program.toStdString());
        std::vector<std::string> targets;
        const std::optional<int> got = open(QString(address).replace("@", program).toStdString(), &targets);
        setProgramFolderForTesting({});
        QCOMPARE(got.value_or(0), result);
        QCOMPARE(targets, opened.isEmpty() ? std::vector<std::string>{}
                                           : std::vector{QString(opened).replace("@", program).toStdString()});
    }

    // The system's opener as a script on PATH: its exit status, known once it has ended,
    // decides the result (3: nothing on the system opens the address).
    void theOpenersExitStatusIsTheResult_data() {
        QTest::addColumn<int>("exitStatus");
        QTest::addColumn<int>("result");
        QTest::newRow("opened") << 0 << 42;
        QTest::newRow("no method available") << 3 << 31;
        QTest::newRow("no such file") << 2 << 2;
    }

    void theOpenersExitStatusIsTheResult() {
        QFETCH(int, exitStatus);
        QFETCH(int, result);
        const fs::path script = at("xdg-open");
        std::ofstream(script) << "#!/bin/sh\nexit " << exitStatus << "\n";
        fs::permissions(script, fs::perms::owner_all);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QByteArray::fromStdString(folder->path().string()));
        std::optional<int> got;
        openAddress("https://www.example.org/", this, [&got](int r) { got = r; });
        qputenv("PATH", path);
        QTRY_VERIFY(got.has_value());
        QCOMPARE(*got, result);
    }
};

QTEST_GUILESS_MAIN(FilesTest)
#include "files_test.moc"
