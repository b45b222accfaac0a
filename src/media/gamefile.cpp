#include "media/gamefile.h"

#include <QFile>
#include <QFileInfo>
#include <QtGlobal>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace virdo {

namespace {

void report(const char *what, const QString &path)
{
    // The bare name, as the game asks for it: that is what a parent looks for in the folder.
    qWarning("%s : %s", what, qUtf8Printable(QFileInfo(path).fileName()));
}

class FileDescriptor
{
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

std::optional<QByteArray> readGameFile(const QString &path, qint64 maxBytes)
{
    // Non-blocking, so that opening a FIFO returns at once instead of waiting for a writer;
    // the kind of file is then checked on what was opened, not on the name.
    const FileDescriptor fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) {
        report(errno == ENOENT || errno == ENOTDIR ? "fichier introuvable" : "fichier illisible", path);
        return std::nullopt;
    }
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode) || status.st_size > maxBytes) {
        report("fichier illisible", path);
        return std::nullopt;
    }

    // Read to the end, whatever the size said: the file may change while it is read.
    QByteArray bytes;
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
        if (got == 0)
            break;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            report("fichier illisible", path);
            return std::nullopt;
        }
        if (bytes.size() + got > maxBytes) {
            report("fichier illisible", path);
            return std::nullopt;
        }
        bytes.append(buffer, got);
    }
    return bytes;
}

void reportUnreadable(const QString &path)
{
    report("fichier illisible", path);
}

} // namespace virdo
