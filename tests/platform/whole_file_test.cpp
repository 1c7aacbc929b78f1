#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <future>
#include <optional>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "platform/whole_file.h"

namespace pecunor::platform {
namespace {

QByteArray encoded(const QString& path) { return QFile::encodeName(path); }

std::optional<struct stat> nodeOf(const QString& path)
{
    struct stat status { };
    return ::lstat(encoded(path).constData(), &status) == 0 ? std::optional(status) : std::nullopt;
}

void makeFile(const QString& path, mode_t mode, uid_t owner)
{
    ASSERT_TRUE(QFile(path).open(QIODevice::WriteOnly));
    ASSERT_EQ(::chown(encoded(path).constData(), owner, owner) | ::chmod(encoded(path).constData(), mode), 0);
}

void makeFifo(const QString& path) { ASSERT_EQ(::mkfifo(encoded(path).constData(), 0644), 0); }

void makeSocket(const QString& path)
{
    sockaddr_un address{AF_UNIX, {}};
    std::strncpy(address.sun_path, encoded(path).constData(), sizeof address.sun_path - 1);
    const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
    EXPECT_EQ(::bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ::close(socket);  // the node stays
}

// Opens the pipe at once, takes up to 100 bytes within half a second and goes
// away; the future tells how many it took.
std::future<ssize_t> shortReader(const QString& fifo)
{
    const int fd = ::open(encoded(fifo).constData(), O_RDONLY | O_NONBLOCK);
    return std::async(std::launch::async, [fd] {
        char block[100];
        ssize_t taken = 0;
        for (int tries = 0; taken < 100 && tries < 10; ++tries) {
            pollfd ready{fd, POLLIN, 0};
            if (::poll(&ready, 1, 50) > 0)
                taken += std::max<ssize_t>(::read(fd, block, sizeof block - taken), 0);
        }
        ::close(fd);
        return taken;
    });
}

struct TargetCase {
    const char* name;
    std::function<void(const QString& path)> makeBefore;
    std::function<void(const QString& path)> makeWhileWriting;
    bool withReader;
    WriteObstacle obstacle;
    const char* reason;  // nullptr: written
};

// Every kind of name a save may meet is either written whole, keeping the
// protection of the file it replaces, or refused with the reason and left as
// it was; and the answer comes at once, whoever reads or does not read.
TEST(WholeFileTest, EveryKindOfTargetIsWrittenWholeOrRefusedAtOnce)
{
    std::signal(SIGPIPE, SIG_IGN);  // as the program does
    const uid_t otherUser = 4321;
    const std::vector<TargetCase> cases{
        {"missing file", nullptr, nullptr, false, WriteObstacle::None, nullptr},
        {"another user's 0611 file", [=](const QString& p) { makeFile(p, 0611, otherUser); }, nullptr, false,
         WriteObstacle::None, nullptr},
        {"read-only 0444 file, root saving", [](const QString& p) { makeFile(p, 0444, ::geteuid()); }, nullptr, false,
         WriteObstacle::ReadOnlyFile, "Permission denied"},
        {"pipe without a reader", makeFifo, nullptr, false, WriteObstacle::NotRegularFile, "Not a regular file"},
        {"pipe with a reader of 100 bytes", makeFifo, nullptr, true, WriteObstacle::NotRegularFile,
         "Not a regular file"},
        {"link to a character device",
         [](const QString& p) { ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), p)); }, nullptr, false,
         WriteObstacle::NotRegularFile, "Not a regular file"},
        {"socket", makeSocket, nullptr, false, WriteObstacle::NotRegularFile, "Not a regular file"},
        {"pipe made while writing", nullptr, makeFifo, false, WriteObstacle::None, "Not a regular file"},
    };
    // More than a pipe holds, so that a writer would wait for its reader.
    const QByteArray content(256 * 1024, 'x');
    for (const TargetCase& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir scratch;
        const QString path = scratch.filePath(QStringLiteral("target"));
        if (c.makeBefore)
            c.makeBefore(path);
        std::optional<struct stat> before = nodeOf(path);
        EXPECT_EQ(writeObstacle(path), c.obstacle);
        std::future<ssize_t> reader = c.withReader ? shortReader(path) : std::future<ssize_t>();

        QString reason;
        const auto start = std::chrono::steady_clock::now();
        ::alarm(10);  // a save that hangs ends the test run instead of blocking it
        const bool written = writeWholeFile(
            path,
            [&](QFileDevice& file) {
                if (c.makeWhileWriting) {
                    c.makeWhileWriting(path);
                    before = nodeOf(path);
                }
                return file.write(content) == content.size();
            },
            &reason);
        ::alarm(0);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));

        const std::optional<struct stat> after = nodeOf(path);
        ASSERT_TRUE(after);
        EXPECT_EQ(QDir(scratch.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
                  QStringList{QStringLiteral("target")});
        if (reader.valid()) {
            EXPECT_EQ(reader.get(), 0);
        }
        EXPECT_EQ(written, !c.reason) << reason.toStdString();
        EXPECT_EQ(reason.toStdString(), c.reason ? c.reason : "");
        ASSERT_TRUE(before || !c.reason);
        EXPECT_EQ(after->st_size, c.reason ? before->st_size : content.size());
        if (before) {
            EXPECT_EQ(after->st_mode, before->st_mode);
            EXPECT_EQ(std::pair(after->st_uid, after->st_gid), std::pair(before->st_uid, before->st_gid));
            EXPECT_EQ(after->st_ino == before->st_ino, c.reason != nullptr);
        }
    }
}

}  // namespace
}  // namespace pecunor::platform
