// SPDX-License-Identifier: MIT
// Saving onto every kind of target on the real file system, through the
// shared save (as text and as bytes) and through kestrin-readme -o: what is
// said, what the target holds, and that it keeps its kind, inode where
// rewritten in place, mode, owner, group and extended attributes.
#include "article.h"
#include "articleform.h"
#include "articlereader.h"
#include "atomicfileservice.h"
#include "clitestsupport.h"
#include "fileservice.h"
#include "golden.h"
#include "memoryharness.h"
#include "plaintextrenderer.h"
#include "services.h"

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <thread>
#include <unistd.h>

using namespace kestrin;

namespace {

const QByteArray kOld = "the old file\r\n";
constexpr uid_t kNobody = 65534;

QByteArray local(const QString &path)
{
    return QFile::encodeName(path);
}

QByteArray article()
{
    return readFileBytes(sourcePath(QStringLiteral("examples/harbour-raid.json")));
}

enum class Make { File, Fifo, NullDevice, FullDevice, Socket };
// Locked: no one but root may add files. Sticky: root's, world-writable and
// sticky (as /tmp), where the system's protected_* switches apply.
enum class Folder { Test, Nobodys, Locked, Sticky };
// Whose link the save is given: none, one's own, or one that "nobody" put
// into a sticky folder (leading to the target, or nowhere).
enum class Link { None, Own, Nobodys, NobodysDangling };

struct Row {
    const char *name;
    Make make;
    mode_t mode;
    const char *reason; // why the save fails; saved when null
    bool unprivileged = false;
    Folder folder = Folder::Test;
    Link link = Link::None; // the save is given a symbolic link to the target
    rlim_t fileSizeLimit = RLIM_INFINITY;
    bool cli = true;
    uid_t owner = kNobody; // of the target, when root saves it
};

const Row kRows[] = {
    {"another user's file with special bits, attributes and an access list, saved by root", Make::File, 06764, nullptr},
    {"symbolic link to a file", Make::File, 0640, nullptr, false, Folder::Test, Link::Own},
    {"read-only file, saved by root", Make::File, 0444, "The file is read-only"},
    {"file without any permission", Make::File, 0, "The file is read-only", true},
    {"another user's file in one's own folder", Make::File, 0644, "Permission denied", true, Folder::Nobodys},
    {"writable file in a folder that takes no new files", Make::File, 0666, nullptr, true, Folder::Locked},
    {"named pipe with a reader", Make::Fifo, 0644, nullptr},
    // kestrin-readme waits for a reader, as a shell's redirection does.
    {"named pipe that nothing reads", Make::Fifo, 0644, "No program is reading from the named pipe", false,
     Folder::Test, Link::None, RLIM_INFINITY, false},
    {"character device that takes everything", Make::NullDevice, 0666, nullptr},
    {"character device that is always full", Make::FullDevice, 0666, "No space left on device"},
    {"socket", Make::Socket, 0755, "The file is a socket, which cannot be written to"},
    {"file-size limit", Make::File, 0644, "File too large", false, Folder::Test, Link::None, 1024},
    {"file-size limit on a file rewritten in place", Make::File, 0666, "File too large", true, Folder::Locked,
     Link::None, 1024},
    // With fs.protected_symlinks, _regular and _fifos on (as most systems
    // have them), root is refused what a shell's redirection is refused.
    {"another user's link in a sticky folder", Make::File, 0644, "Permission denied", false, Folder::Sticky,
     Link::Nobodys, RLIM_INFINITY, true, 0},
    {"another user's dangling link in a sticky folder", Make::File, 0644, "Permission denied", false, Folder::Sticky,
     Link::NobodysDangling, RLIM_INFINITY, true, 0},
    {"another user's file in a sticky folder", Make::File, 0644, "Permission denied", false, Folder::Sticky},
    {"another user's named pipe in a sticky folder", Make::Fifo, 0666, "Permission denied", false, Folder::Sticky},
    {"root's own link in a sticky folder", Make::File, 0644, nullptr, false, Folder::Sticky, Link::Own, RLIM_INFINITY,
     true, 0},
};

// Sets the system's protections of links, files and pipes in sticky folders
// while it lives, and restores what was there.
class ProtectedSwitches {
public:
    ProtectedSwitches()
    {
        for (const char *name : kNames) {
            QFile file(QStringLiteral("/proc/sys/fs/") + QLatin1String(name));
            if (!file.open(QIODevice::ReadOnly))
                return;
            m_old << file.readAll().trimmed();
        }
        m_set = write({"1", "1", "1"});
    }
    ~ProtectedSwitches() { write(m_old); }
    ProtectedSwitches(const ProtectedSwitches &) = delete;
    ProtectedSwitches &operator=(const ProtectedSwitches &) = delete;
    bool isSet() const { return m_set; }

private:
    static constexpr const char *kNames[] = {"protected_symlinks", "protected_regular", "protected_fifos"};
    bool write(const QByteArrayList &values)
    {
        if (values.size() != 3)
            return false;
        bool ok = true;
        for (int i = 0; i < 3; ++i) {
            QFile file(QStringLiteral("/proc/sys/fs/") + QLatin1String(kNames[i]));
            ok = file.open(QIODevice::WriteOnly) && file.write(values[i]) == values[i].size() && file.flush() && ok;
        }
        return ok;
    }
    QByteArrayList m_old;
    bool m_set = false;
};

// An access list that lets user 1000 read and write, as setfacl stores it.
QByteArray accessList()
{
    const quint16 entries[][4] = {{1, 6, 0xFFFF, 0xFFFF},
                                  {2, 6, 1000, 0},
                                  {4, 4, 0xFFFF, 0xFFFF},
                                  {0x10, 6, 0xFFFF, 0xFFFF},
                                  {0x20, 4, 0xFFFF, 0xFFFF}};
    return QByteArray("\2\0\0\0", 4) + QByteArray(reinterpret_cast<const char *>(entries), sizeof entries);
}

// Makes the target; returns the path the save is given (relative to the
// folder), or nothing when this system cannot make it.
std::optional<QString> prepare(const QString &dir, const Row &row)
{
    QString relative = QStringLiteral("target");
    if (row.folder != Folder::Test) {
        relative = QStringLiteral("sub/target");
        const QByteArray sub = local(dir + QStringLiteral("/sub"));
        if (::mkdir(sub.constData(), 0755) != 0
            || ::chown(sub.constData(), row.folder == Folder::Nobodys ? kNobody : 0, 0) != 0
            || (row.folder == Folder::Sticky && ::chmod(sub.constData(), 01777) != 0))
            return std::nullopt;
    }
    const QByteArray target = local(dir + QLatin1Char('/') + relative);
    bool made = false;
    switch (row.make) {
    case Make::File: {
        // Someone else's: root saves a user's file, a user saves root's.
        // The attributes are kept where the file system takes them.
        const QByteArray acl = accessList();
        made = writeFileBytes(QFile::decodeName(target), kOld)
               && ::chown(target.constData(), row.unprivileged ? 0 : row.owner, 100) == 0;
        ::setxattr(target.constData(), "user.origin", "kept", 4, 0);
        ::setxattr(target.constData(), "system.posix_acl_access", acl.constData(), size_t(acl.size()), 0);
        break;
    }
    case Make::Fifo:
        made = ::mkfifo(target.constData(), 0644) == 0 && ::chown(target.constData(), row.owner, 100) == 0;
        break;
    case Make::NullDevice: made = ::mknod(target.constData(), S_IFCHR, makedev(1, 3)) == 0; break;
    case Make::FullDevice: made = ::mknod(target.constData(), S_IFCHR, makedev(1, 7)) == 0; break;
    case Make::Socket: {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::copy(target.begin(), target.end(), address.sun_path);
        const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
        made = ::bind(s, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
        ::close(s);
        break;
    }
    }
    if (!made || ::chmod(target.constData(), row.mode) != 0)
        return std::nullopt;
    if (row.link == Link::None)
        return relative;
    // Beside the target, leading to it by its name there.
    const QString link = relative.left(relative.lastIndexOf(QLatin1Char('/')) + 1) + QStringLiteral("link");
    const QByteArray linkPath = local(dir + QLatin1Char('/') + link);
    const char *to = row.link == Link::NobodysDangling ? "missing" : "target";
    if (::symlink(to, linkPath.constData()) != 0
        || (row.link != Link::Own && ::lchown(linkPath.constData(), kNobody, kNobody) != 0))
        return std::nullopt;
    return link;
}

struct FileState {
    struct stat st {};
    QMap<QByteArray, QByteArray> attributes;
};

FileState stateOf(const QString &path)
{
    FileState s;
    ::lstat(local(path).constData(), &s.st);
    QByteArray names(4096, '\0');
    names.truncate(std::max<ssize_t>(::listxattr(local(path).constData(), names.data(), 4096), 0));
    for (const QByteArray &name : names.split('\0')) {
        QByteArray value(4096, '\0');
        value.truncate(std::max<ssize_t>(::getxattr(local(path).constData(), name.constData(), value.data(), 4096), 0));
        if (!name.isEmpty())
            s.attributes.insert(name, value);
    }
    return s;
}

QStringList names(const QString &folder)
{
    QStringList out;
    QDirIterator it(folder, QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        out << it.next();
    out.sort();
    return out;
}

// Opened before the save, so that the save finds a reader; read to the end
// on a thread of its own.
std::thread readPipe(const QString &path, QByteArray &into)
{
    const int fd = ::open(local(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    return std::thread([fd, &into] {
        pollfd p{fd, POLLIN, 0};
        ::poll(&p, 1, 20000);
        ::fcntl(fd, F_SETFL, 0);
        char buffer[4096];
        for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
            into.append(buffer, n);
        ::close(fd);
    });
}

// The user and the file-size limit of a save, set in its own process.
// kestrin-readme must ignore SIGXFSZ itself; the editor's main does so for
// the shared save.
void enterChild(const Row &row, bool ignoreSizeSignal)
{
    if (row.unprivileged && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
        _exit(98);
    std::signal(SIGXFSZ, ignoreSizeSignal ? SIG_IGN : SIG_DFL);
    const rlimit limit{row.fileSizeLimit, row.fileSizeLimit};
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

enum class Through { Text, Bytes, Stream, Cli };

// Small pieces, so that a limit is met in the middle of the stream.
SaveResult streamInPieces(ByteFileService &files, const QString &path, const QByteArray &bytes)
{
    return files.writeStream(path, [&bytes](const ByteFileService::ByteWriter &write) {
        for (qsizetype i = 0; i < bytes.size(); i += 100) {
            if (!write(QByteArrayView(bytes).sliced(i, std::min<qsizetype>(100, bytes.size() - i))))
                return;
        }
    });
}

// The save's reason for failing ("" when saved).
QString save(const Row &row, const QString &dir, const QString &relative, Through through)
{
    const QString text = createdReadme(readArticle(article()).article);
    if (through != Through::Cli) {
        int channel[2];
        if (::pipe(channel) != 0)
            return QStringLiteral("<no pipe>");
        const pid_t pid = ::fork();
        if (pid == 0) {
            enterChild(row, true);
            AtomicTextFileService files;
            const QString path = dir + QLatin1Char('/') + relative;
            const QByteArray bytes = TextEncoder::codePage(1252).encode(text) + "\r\n";
            SaveResult r;
            switch (through) {
            case Through::Text: r = files.writeLine(path, text, TextEncoder::codePage(1252)); break;
            case Through::Bytes: r = files.writeBytes(path, bytes); break;
            case Through::Stream: r = streamInPieces(files, path, bytes); break;
            case Through::Cli: break;
            }
            const QByteArray reason = r.error.toUtf8();
            _exit(::write(channel[1], reason.constData(), size_t(reason.size())) == reason.size() ? 0 : 1);
        }
        ::close(channel[1]);
        QByteArray reason;
        char buffer[512];
        for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) > 0;)
            reason.append(buffer, n);
        ::close(channel[0]);
        int status = 0;
        ::waitpid(pid, &status, 0);
        return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? QString::fromUtf8(reason) : QStringLiteral("<died>");
    }
    QProcess cli;
    cli.setWorkingDirectory(dir);
    cli.setChildProcessModifier([&row] { enterChild(row, false); });
    // The article comes on standard input, which "nobody" can read.
    cli.start(QStringLiteral(KESTRIN_README_EXE), {QStringLiteral("-"), QStringLiteral("--encoding"),
                                                   QStringLiteral("windows-1252"), QStringLiteral("-o"), relative});
    cli.write(article());
    cli.closeWriteChannel();
    if (!cli.waitForFinished(30000) || cli.exitStatus() != QProcess::NormalExit)
        return QStringLiteral("<died>");
    const QString err = QString::fromUtf8(cli.readAllStandardError());
    const QString prefix = QStringLiteral("kestrin-readme: cannot write \"%1\": ").arg(relative);
    const bool said = err.startsWith(prefix) && err.endsWith(QLatin1Char('\n'));
    if (cli.exitCode() != (said ? 1 : 0))
        return QStringLiteral("<exit %1> ").arg(cli.exitCode()) + err;
    return said ? err.mid(prefix.size()).chopped(1) : err;
}

} // namespace

TEST(SaveTargets, EachKindOfTargetIsWrittenOrRefusedAndKeepsWhatItIs)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "the table gives files away and makes device nodes, which needs root";
    const QByteArray readme =
        TextEncoder::codePage(1252).encode(createdReadme(readArticle(article()).article)) + "\r\n";
    const ProtectedSwitches protections;
    for (const Row &row : kRows) {
        if (row.folder == Folder::Sticky && !protections.isSet()) {
            ADD_FAILURE() << row.name << ": the protected_* switches cannot be set here";
            continue;
        }
        for (const Through through : {Through::Text, Through::Bytes, Through::Stream, Through::Cli}) {
            if (through == Through::Cli && !row.cli)
                continue;
            const char *const ways[] = {" (text)", " (bytes)", " (stream)", " (kestrin-readme)"};
            const std::string what = row.name + std::string(ways[int(through)]);
            QTemporaryDir dir;
            ASSERT_TRUE(dir.isValid());
            ::chmod(local(dir.path()).constData(), 0755);
            const std::optional<QString> relative = prepare(dir.path(), row);
            if (!relative) {
                // Containers may forbid device nodes.
                EXPECT_TRUE(row.make == Make::NullDevice || row.make == Make::FullDevice) << what;
                continue;
            }
            const QString file = row.link == Link::NobodysDangling
                                     ? dir.filePath(QStringLiteral("sub/target"))
                                     : QFileInfo(dir.filePath(*relative)).canonicalFilePath();
            const QStringList before = names(dir.path());
            const FileState old = stateOf(file);
            QByteArray piped;
            std::thread reader;
            if (row.make == Make::Fifo && !row.reason)
                reader = readPipe(file, piped);

            EXPECT_EQ(save(row, dir.path(), *relative, through).toStdString(), row.reason ? row.reason : "") << what;

            if (reader.joinable()) {
                reader.join();
                EXPECT_EQ(piped, readme) << what;
            }
            EXPECT_EQ(names(dir.path()), before) << what; // no temporary file left, the link still there
            EXPECT_EQ(QFileInfo(dir.filePath(*relative)).isSymLink(), row.link != Link::None) << what;
            if (row.folder == Folder::Sticky && row.reason) {
                // A shell's redirection is refused exactly the same (and
                // writes nothing either).
                QProcess sh;
                sh.start(QStringLiteral("/bin/sh"),
                         {QStringLiteral("-c"), QStringLiteral("echo x > \"$0\""), dir.filePath(*relative)});
                const bool refused = sh.waitForFinished(3000) && sh.exitCode() != 0;
                if (sh.state() != QProcess::NotRunning) {
                    sh.kill();
                    sh.waitForFinished();
                }
                EXPECT_TRUE(refused) << what << " (the shell)";
            }
            const FileState now = stateOf(file);
            EXPECT_EQ(now.st.st_mode, old.st.st_mode) << what;
            EXPECT_EQ(now.st.st_uid, old.st.st_uid) << what;
            EXPECT_EQ(now.st.st_gid, old.st.st_gid) << what;
            EXPECT_EQ(now.st.st_rdev, old.st.st_rdev) << what;
            EXPECT_EQ(now.attributes, old.attributes) << what;
            if (row.folder == Folder::Locked) {
                EXPECT_EQ(now.st.st_ino, old.st.st_ino) << what;
            }
            if (row.make == Make::File) {
                EXPECT_EQ(readFileBytes(file), row.reason ? kOld : readme) << what;
            }
        }
    }
}

TEST(SaveTargets, StandardStreamsThatAreTheArticleAreRefusedAndDevStdoutIsTheStream)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("article.json"));
    ASSERT_TRUE(writeFileBytes(path, article()));
    ASSERT_TRUE(QFile::link(QStringLiteral("article.json"), dir.filePath(QStringLiteral("link.json"))));
    const QString itself = QStringLiteral("kestrin-readme: the output file \"%1\" is the article file itself; nothing "
                                          "was written\n");
    const QString stdoutItself =
        QStringLiteral("kestrin-readme: standard output is the article file itself; nothing was written\n");
    struct Case {
        QStringList args;
        bool articleOnInput;
        bool outputAppendedToArticle;
        QString err; // exit status 2 when not empty
    };
    const Case cases[] = {
        {{QStringLiteral("-"), QStringLiteral("-o"), QStringLiteral("article.json")},
         true,
         false,
         itself.arg(QStringLiteral("article.json"))},
        {{QStringLiteral("-"), QStringLiteral("-o"), QStringLiteral("link.json")},
         true,
         false,
         itself.arg(QStringLiteral("link.json"))},
        {{QStringLiteral("article.json")}, false, true, stdoutItself},
        {{QStringLiteral("-")}, true, true, stdoutItself},
        // Standard output is a pipe here.
        {{QStringLiteral("article.json"), QStringLiteral("-o"), QStringLiteral("/dev/stdout")}, false, false, {}},
    };
    for (const Case &c : cases) {
        QProcess cli;
        cli.setWorkingDirectory(dir.path());
        if (c.articleOnInput)
            cli.setStandardInputFile(path);
        if (c.outputAppendedToArticle)
            cli.setStandardOutputFile(path, QIODevice::Append);
        cli.start(QStringLiteral(KESTRIN_README_EXE), c.args);
        ASSERT_TRUE(cli.waitForFinished(30000));
        const std::string what = c.args.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(cli.exitCode(), c.err.isEmpty() ? 0 : 2) << what;
        EXPECT_EQ(QString::fromUtf8(cli.readAllStandardError()), c.err) << what;
        if (c.err.isEmpty()) {
            EXPECT_TRUE(cli.readAllStandardOutput().startsWith("MP mission\t-\tHarbour Raid\r\n")) << what;
        }
        EXPECT_EQ(readFileBytes(path), article()) << what;
    }
}

TEST(SaveTargets, OnlyTheStandardStreamsAreTheProgramsOwnDescriptors)
{
    int channel[2];
    ASSERT_EQ(::pipe2(channel, O_CLOEXEC | O_NONBLOCK), 0);
    const QString fd = QString::number(channel[1]);
    const QString paths[] = {
        QStringLiteral("/proc/self/fd/") + fd,
        QStringLiteral("/dev/fd/") + fd,
        QStringLiteral("/proc/thread-self/fd/") + fd,
        QStringLiteral("/proc/%1/fd/").arg(::getpid()) + fd,
        QStringLiteral("/proc/self/fd/0"),
    };
    AtomicTextFileService files;
    for (const QString &path : paths) {
        const SaveResult r = files.writeBytes(path, "the ReadMe\r\n");
        EXPECT_FALSE(r.ok) << path.toStdString();
        EXPECT_EQ(r.error.toStdString(), "The file is one of the program's own open files, which cannot be written to")
            << path.toStdString();
    }
    char byte = 0;
    EXPECT_EQ(::read(channel[0], &byte, 1), -1); // nothing came through
    ::close(channel[0]);
    ::close(channel[1]);
}

TEST(SaveTargets, WhatHasTheNameWhenTheSaveEndsIsCheckedAgain)
{
    enum class Swap { ReadOnlyFile, Fifo, Link, NewFile };
    struct Case {
        const char *name;
        bool existed;
        Swap swap;
        const char *reason;
    };
    const Case cases[] = {
        {"a read-only file put in its place", true, Swap::ReadOnlyFile, "The file is read-only"},
        {"a named pipe put in its place", true, Swap::Fifo, "The file was replaced by something that is not a file"},
        {"a link put in its place", true, Swap::Link, "The file was replaced by something that is not a file"},
        {"a file made meanwhile where there was none", false, Swap::NewFile, "File exists"},
    };
    for (const Case &c : cases) {
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("target"));
        const QString other = dir.filePath(QStringLiteral("other"));
        ASSERT_TRUE(writeFileBytes(other, kOld));
        if (c.existed) {
            ASSERT_TRUE(writeFileBytes(path, kOld));
        }
        AtomicTextFileService files;
        const SaveResult r = files.writeStream(path, [&](const ByteFileService::ByteWriter &write) {
            write("new head, ");
            // Another program puts something else under the name meanwhile.
            QFile::remove(path);
            switch (c.swap) {
            case Swap::ReadOnlyFile:
                writeFileBytes(path, kOld);
                ::chmod(local(path).constData(), 0444);
                break;
            case Swap::Fifo: ::mkfifo(local(path).constData(), 0644); break;
            case Swap::Link: QFile::link(QStringLiteral("other"), path); break;
            case Swap::NewFile: writeFileBytes(path, kOld); break;
            }
            write("new tail");
        });
        EXPECT_EQ(r.error.toStdString(), c.reason) << c.name;
        if (c.swap == Swap::ReadOnlyFile || c.swap == Swap::NewFile) {
            EXPECT_EQ(readFileBytes(path), kOld) << c.name;
        }
        EXPECT_EQ(readFileBytes(other), kOld) << c.name;
        EXPECT_EQ(names(dir.path()).size(), 2) << c.name; // no temporary file left
    }
}

TEST(SaveTargets, TemporaryFilesOfKilledSavesAreRemovedByTheNextSaveIntoTheFolder)
{
    struct Leftover {
        const char *name;
        int ageSeconds;
        bool nobodys;
        bool removed;
    };
    const Leftover leftovers[] = {
        {".target.kestrin-1x2y3z.tmp", 3600, false, true}, {".other name.json.kestrin-abc.tmp", 24 * 3600, false, true},
        {".target.kestrin-fresh.tmp", 10, false, false}, // perhaps a save still running
        {".target.kestrin-nobody.tmp", 3600, true, false}, {"target.kestrin-visible.tmp", 3600, false, false},
        {".target.someone-elses.tmp", 3600, false, false},
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());

    // A save killed while it writes leaves its temporary file.
    const QString path = dir.filePath(QStringLiteral("target"));
    ASSERT_TRUE(writeFileBytes(path, kOld));
    const pid_t pid = ::fork();
    if (pid == 0) {
        AtomicTextFileService files;
        files.writeStream(path, [](const ByteFileService::ByteWriter &write) {
            write(QByteArray(1 << 20, 'x'));
            ::pause();
        });
        _exit(0);
    }
    QStringList killed;
    for (int i = 0; i < 500 && killed.isEmpty(); ++i) {
        ::usleep(10000);
        killed = QDir(dir.path()).entryList(QDir::Hidden | QDir::Files).filter(QStringLiteral(".kestrin-"));
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    ASSERT_EQ(killed.size(), 1);

    for (const Leftover &l : leftovers) {
        const QString file = dir.filePath(QLatin1String(l.name));
        ASSERT_TRUE(writeFileBytes(file, "left over"));
        if (l.nobodys && ::geteuid() == 0) {
            ASSERT_EQ(::chown(local(file).constData(), kNobody, kNobody), 0);
        }
    }
    const auto age = [&](const QString &name, int seconds) {
        const timespec times[2] = {{::time(nullptr) - seconds, 0}, {::time(nullptr) - seconds, 0}};
        ::utimensat(AT_FDCWD, local(dir.filePath(name)).constData(), times, 0);
    };
    for (const Leftover &l : leftovers)
        age(QLatin1String(l.name), l.ageSeconds);
    age(killed.first(), 3600);

    AtomicTextFileService files;
    ASSERT_TRUE(files.writeBytes(path, "saved\r\n").ok);
    EXPECT_EQ(readFileBytes(path), "saved\r\n");
    EXPECT_FALSE(QFile::exists(dir.filePath(killed.first())));
    for (const Leftover &l : leftovers) {
        if (l.nobodys && ::geteuid() != 0)
            continue;
        EXPECT_EQ(QFile::exists(dir.filePath(QLatin1String(l.name))), !l.removed) << l.name;
    }
}
