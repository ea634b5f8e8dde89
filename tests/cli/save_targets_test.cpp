// Saving onto every kind of target on the real file system, once through
// the shared save the window uses and once through kestrin-readme -o: what
// the target holds and is afterwards (kind, mode, owner, group, extended
// attributes and access list), what is said, and what is left beside it.
#include "article.h"
#include "clitestsupport.h"
#include "golden.h"
#include "services.h"

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <functional>
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
constexpr gid_t kUsers = 100;

QByteArray harbourRaid()
{
    return readFileBytes(sourcePath(QStringLiteral("examples/harbour-raid.json")));
}

QString readmeText()
{
    return assembleReadme(readArticle(harbourRaid()).article);
}

QByteArray readmeBytes()
{
    return TextEncoder::codePage(1252).encode(readmeText()) + "\r\n";
}

QByteArray local(const QString &path)
{
    return QFile::encodeName(path);
}

bool makeFile(const QString &path, mode_t mode, uid_t owner = 0, gid_t group = 0)
{
    return writeFileBytes(path, kOld) && ::chown(local(path).constData(), owner, group) == 0
           && ::chmod(local(path).constData(), mode) == 0;
}

bool makeFolder(const QString &path, mode_t mode, uid_t owner = 0)
{
    return ::mkdir(local(path).constData(), mode) == 0 && ::chown(local(path).constData(), owner, 0) == 0
           && ::chmod(local(path).constData(), mode) == 0;
}

// An access list granting user 1000 read and write, as setfacl writes it.
QByteArray accessList()
{
    struct Entry {
        quint16 tag, perm;
        quint32 id;
    };
    const Entry entries[] = {{0x01, 6, ~0u}, {0x02, 6, 1000}, {0x04, 4, ~0u}, {0x10, 6, ~0u}, {0x20, 4, ~0u}};
    QByteArray out("\x02\0\0\0", 4);
    for (const Entry &e : entries)
        out.append(reinterpret_cast<const char *>(&e), sizeof e);
    return out;
}

// Every extended attribute of a file with its value.
QMap<QByteArray, QByteArray> attributes(const QString &path)
{
    QMap<QByteArray, QByteArray> out;
    QByteArray names(4096, '\0');
    const ssize_t n = ::listxattr(local(path).constData(), names.data(), size_t(names.size()));
    for (const QByteArray &name : names.left(std::max<ssize_t>(n, 0)).split('\0')) {
        if (name.isEmpty())
            continue;
        QByteArray value(4096, '\0');
        const ssize_t m = ::getxattr(local(path).constData(), name.constData(), value.data(), size_t(value.size()));
        out.insert(name, value.left(std::max<ssize_t>(m, 0)));
    }
    return out;
}

QStringList names(const QString &folder)
{
    QStringList out;
    QDirIterator it(folder, QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        out << QDir(folder).relativeFilePath(it.next());
    out.sort();
    return out;
}

// Reads a named pipe to its end on a thread of its own. The pipe is opened
// before the save, so that the save finds a reader.
class PipeReader {
public:
    void start(const QString &path)
    {
        const int fd = ::open(local(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        ASSERT_GE(fd, 0);
        m_thread = std::thread([this, fd] {
            pollfd p{fd, POLLIN, 0};
            ::poll(&p, 1, 20000);
            ::fcntl(fd, F_SETFL, 0);
            char buffer[4096];
            for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
                m_bytes.append(buffer, n);
            ::close(fd);
        });
    }
    QByteArray finish()
    {
        if (m_thread.joinable())
            m_thread.join();
        return m_bytes;
    }

private:
    std::thread m_thread;
    QByteArray m_bytes;
};

struct Row {
    const char *name;
    // Makes the target (and what leads to it) in the folder; false when
    // this system cannot make it.
    std::function<bool(const QString &folder)> prepare;
    const char *reason = nullptr; // why the save fails; saved when null
    bool unprivileged = false;    // the save runs as "nobody"
    bool inPlace = false;         // the file keeps its inode
    rlim_t fileSizeLimit = RLIM_INFINITY;
    const char *path = "target";  // what the save is given
    bool cli = true;              // also run through kestrin-readme
    bool mayBeImpossible = false; // device nodes, where the system allows none
};

const Row kRows[] = {
    {"another user's file with special bits, extended attributes and an access list, saved by root",
     [](const QString &f) {
         const QString t = f + QStringLiteral("/target");
         return makeFile(t, 0644, kNobody, kUsers) && ::setxattr(local(t).constData(), "user.origin", "kept", 4, 0) == 0
                && ::setxattr(local(t).constData(), "system.posix_acl_access", accessList().constData(),
                              size_t(accessList().size()), 0)
                       == 0
                && ::chmod(local(t).constData(), 06764) == 0;
     }},
    {"symbolic link to a file",
     [](const QString &f) {
         return makeFile(f + QStringLiteral("/target"), 0640, kNobody, kUsers)
                && QFile::link(QStringLiteral("target"), f + QStringLiteral("/link"));
     },
     nullptr, false, false, RLIM_INFINITY, "link"},
    {"read-only file, saved by root", [](const QString &f) { return makeFile(f + QStringLiteral("/target"), 0444); },
     "The file is read-only"},
    {"file without any permission", [](const QString &f) { return makeFile(f + QStringLiteral("/target"), 0); },
     "The file is read-only", true},
    {"another user's file in one's own folder",
     [](const QString &f) {
         return makeFolder(f + QStringLiteral("/mine"), 0755, kNobody)
                && makeFile(f + QStringLiteral("/mine/target"), 0644);
     },
     "Permission denied", true, false, RLIM_INFINITY, "mine/target"},
    {"writable file in a folder that takes no new files",
     [](const QString &f) {
         return makeFolder(f + QStringLiteral("/locked"), 0755) && makeFile(f + QStringLiteral("/locked/target"), 0666);
     },
     nullptr, true, true, RLIM_INFINITY, "locked/target"},
    {"named pipe with a reader",
     [](const QString &f) { return ::mkfifo(local(f + QStringLiteral("/target")).constData(), 0644) == 0; }},
    {"named pipe that nothing reads",
     [](const QString &f) { return ::mkfifo(local(f + QStringLiteral("/target")).constData(), 0644) == 0; },
     "No program is reading from the named pipe", false, false, RLIM_INFINITY, "target", false},
    {"character device that takes everything",
     [](const QString &f) {
         return ::mknod(local(f + QStringLiteral("/target")).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0;
     },
     nullptr, false, false, RLIM_INFINITY, "target", true, true},
    {"character device that is always full",
     [](const QString &f) {
         return ::mknod(local(f + QStringLiteral("/target")).constData(), S_IFCHR | 0666, makedev(1, 7)) == 0;
     },
     "No space left on device", false, false, RLIM_INFINITY, "target", true, true},
    {"socket",
     [](const QString &f) {
         sockaddr_un address{};
         address.sun_family = AF_UNIX;
         const QByteArray path = local(f + QStringLiteral("/target"));
         std::copy(path.begin(), path.end(), address.sun_path);
         const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
         const bool bound = ::bind(s, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
         ::close(s);
         return bound;
     },
     "The file is a socket, which cannot be written to"},
    {"file-size limit", [](const QString &f) { return makeFile(f + QStringLiteral("/target"), 0644); },
     "File too large", false, false, 1024},
    {"file-size limit on a file written in place",
     [](const QString &f) {
         return makeFolder(f + QStringLiteral("/locked"), 0755) && makeFile(f + QStringLiteral("/locked/target"), 0666);
     },
     "File too large", true, true, 1024, "locked/target"},
};

// What a save may change: the file's kind, inode, mode, owner, group, device
// and attributes are compared before and after.
struct FileState {
    struct stat st {};
    QMap<QByteArray, QByteArray> attributes;
};

FileState stateOf(const QString &path)
{
    FileState s;
    ::lstat(local(path).constData(), &s.st);
    s.attributes = attributes(path);
    return s;
}

// Gives up root in a child: permissions then mean what they mean to users.
void becomeNobody()
{
    if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
        _exit(98);
}

void limitFileSize(rlim_t limit)
{
    const rlimit r{limit, limit};
    ::setrlimit(RLIMIT_FSIZE, &r);
}

// The shared save in a child process, so that the user and limits stay
// there; returns its reason ("" when saved), or "<crashed>".
// Through the text writer (Create) or the byte writer (article files,
// exports).
enum class Through { Text, Bytes, Cli };

QString saveThroughService(const Row &row, const QString &path, const QString &text, const QByteArray &bytes,
                           Through through)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return QStringLiteral("<no pipe>");
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(channel[0]);
        if (row.unprivileged)
            becomeNobody();
        std::signal(SIGXFSZ, SIG_IGN); // as the editor's main does
        limitFileSize(row.fileSizeLimit);
        const SaveResult r = through == Through::Text
                                 ? AtomicTextFileService().writeLine(path, text, TextEncoder::codePage(1252))
                                 : AtomicTextFileService().writeBytes(path, bytes);
        const QByteArray reason = r.ok ? QByteArray() : r.error.toUtf8();
        const bool sent = ::write(channel[1], reason.constData(), size_t(reason.size())) == reason.size();
        _exit(sent ? 0 : 1);
    }
    ::close(channel[1]);
    QByteArray reason;
    char buffer[512];
    for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        reason.append(buffer, n);
    ::close(channel[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? QString::fromUtf8(reason) : QStringLiteral("<crashed>");
}

struct ReadmeRun {
    QStringList args;
    QString folder;
    std::function<void()> inChild = [] {};
    QByteArray input;
    QString stdoutFile; // appended to
};

CliResult runReadme(const ReadmeRun &run)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(run.folder);
    process.setChildProcessModifier(run.inChild);
    if (!run.stdoutFile.isEmpty())
        process.setStandardOutputFile(run.stdoutFile, QIODevice::Append);
    process.start(QStringLiteral(KESTRIN_README_EXE), run.args);
    CliResult result;
    if (!process.waitForStarted(10000))
        return result;
    process.write(run.input);
    process.closeWriteChannel();
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        result.crashed = true;
        return result;
    }
    result.crashed = process.exitStatus() != QProcess::NormalExit;
    result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

} // namespace

TEST(SaveTargets, EachKindOfTargetIsWrittenOrRefusedAndKeepsWhatItIs)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "the table gives files away and makes device nodes, which needs root";
    const QString text = readmeText();
    const QByteArray readme = readmeBytes();
    for (const Row &row : kRows) {
        for (const Through through : {Through::Text, Through::Bytes, Through::Cli}) {
            if (through == Through::Cli && !row.cli)
                continue;
            const char *const ways[] = {" (text)", " (bytes)", " (kestrin-readme)"};
            const std::string what = row.name + std::string(ways[int(through)]);
            QTemporaryDir dir;
            ASSERT_TRUE(dir.isValid());
            ASSERT_EQ(::chmod(local(dir.path()).constData(), 0755), 0);
            if (!row.prepare(dir.path())) {
                if (row.mayBeImpossible)
                    std::fprintf(stderr, "skipped %s: %s\n", what.c_str(), std::strerror(errno));
                else
                    ADD_FAILURE() << what << ": cannot be made here: " << std::strerror(errno);
                continue;
            }
            const QString relative = QString::fromUtf8(row.path);
            const QString file = QFileInfo(dir.filePath(relative)).canonicalFilePath();
            const QStringList before = names(dir.path());
            const FileState old = stateOf(file);
            PipeReader reader;
            if (S_ISFIFO(old.st.st_mode) && row.reason == nullptr)
                reader.start(file);

            QString reason;
            if (through == Through::Cli) {
                ReadmeRun run;
                // The article comes on standard input, which "nobody" can read.
                run.args = QStringList{QStringLiteral("-"), QStringLiteral("--encoding"),
                                       QStringLiteral("windows-1252"), QStringLiteral("-o"), relative};
                run.input = harbourRaid();
                run.folder = dir.path();
                run.inChild = [&row] {
                    if (row.unprivileged)
                        becomeNobody();
                    limitFileSize(row.fileSizeLimit);
                };
                const CliResult r = runReadme(run);
                EXPECT_FALSE(r.crashed) << what;
                EXPECT_EQ(r.exitCode, row.reason ? 1 : 0) << what;
                const QString prefix = QStringLiteral("kestrin-readme: cannot write \"%1\": ").arg(relative);
                if (r.errText().startsWith(prefix) && r.errText().endsWith(QLatin1Char('\n')))
                    reason = r.errText().mid(prefix.size()).chopped(1);
                else
                    reason = r.errText();
            } else {
                reason = saveThroughService(row, dir.filePath(relative), text, readme, through);
            }
            EXPECT_EQ(reason.toStdString(), row.reason ? row.reason : "") << what;

            // Nothing beside the target, the link still a link, the target
            // still what it was.
            EXPECT_EQ(names(dir.path()), before) << what;
            if (relative == QLatin1String("link")) {
                EXPECT_TRUE(QFileInfo(dir.filePath(relative)).isSymLink()) << what;
            }
            const FileState now = stateOf(file);
            EXPECT_EQ(now.st.st_mode, old.st.st_mode) << what;
            EXPECT_EQ(now.st.st_uid, old.st.st_uid) << what;
            EXPECT_EQ(now.st.st_gid, old.st.st_gid) << what;
            EXPECT_EQ(now.st.st_rdev, old.st.st_rdev) << what;
            EXPECT_EQ(now.attributes, old.attributes) << what;
            if (row.inPlace) {
                EXPECT_EQ(now.st.st_ino, old.st.st_ino) << what;
            }
            if (S_ISREG(old.st.st_mode)) {
                EXPECT_EQ(readFileBytes(file), row.reason ? kOld : readme) << what;
            }
            if (S_ISFIFO(old.st.st_mode) && row.reason == nullptr) {
                EXPECT_EQ(reader.finish(), readme) << what;
            }
        }
    }
}

TEST(SaveTargets, StandardStreamsThatAreTheArticleAreRefusedAndDevStdoutIsTheStream)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString article = dir.filePath(QStringLiteral("article.json"));
    ASSERT_TRUE(writeFileBytes(article, harbourRaid()));
    ASSERT_TRUE(QFile::link(QStringLiteral("article.json"), dir.filePath(QStringLiteral("link.json"))));

    struct Case {
        const char *name;
        QStringList args;
        bool articleOnInput;
        bool stdoutToArticle;
        int exit;
        QByteArray err;
        QByteArray out = {};
    };
    const QByteArray itself = "the output file \"article.json\" is the article file itself; nothing was written\n";
    const Case cases[] = {
        {"article on standard input, output onto it",
         {QStringLiteral("-"), QStringLiteral("-o"), QStringLiteral("article.json")},
         true,
         false,
         2,
         "kestrin-readme: " + itself},
        {"article on standard input, output onto a link to it",
         {QStringLiteral("-"), QStringLiteral("-o"), QStringLiteral("link.json")},
         true,
         false,
         2,
         "kestrin-readme: the output file \"link.json\" is the article file itself; nothing was written\n"},
        {"standard output appended to the article",
         {QStringLiteral("article.json")},
         false,
         true,
         2,
         "kestrin-readme: standard output is the article file itself; nothing was written\n"},
        {"article on standard input, standard output appended to it",
         {QStringLiteral("-")},
         true,
         true,
         2,
         "kestrin-readme: standard output is the article file itself; nothing was written\n"},
        {"/dev/stdout into a pipe",
         {QStringLiteral("article.json"), QStringLiteral("-o"), QStringLiteral("/dev/stdout")},
         false,
         false,
         0,
         QByteArray(),
         readmeBytes()},
    };
    for (const Case &c : cases) {
        ReadmeRun run;
        run.args = c.args + QStringList{QStringLiteral("--encoding"), QStringLiteral("windows-1252")};
        run.folder = dir.path();
        const QString articlePath = article;
        if (c.articleOnInput) {
            run.inChild = [articlePath] {
                const int fd = ::open(local(articlePath).constData(), O_RDONLY);
                if (fd < 0 || ::dup2(fd, STDIN_FILENO) < 0)
                    _exit(97);
            };
        }
        if (c.stdoutToArticle)
            run.stdoutFile = article;
        const CliResult r = runReadme(run);
        EXPECT_FALSE(r.crashed) << c.name;
        EXPECT_EQ(r.exitCode, c.exit) << c.name;
        EXPECT_EQ(r.err.toStdString(), c.err.toStdString()) << c.name;
        EXPECT_EQ(r.out, c.out) << c.name;
        EXPECT_EQ(readFileBytes(article), harbourRaid()) << c.name;
    }
}
