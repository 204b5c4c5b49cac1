#include "platform/RegularFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace zeva {

namespace {

class Deskriptor {
public:
    explicit Deskriptor(int fd) : m_fd(fd) {}
    ~Deskriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Deskriptor(const Deskriptor&) = delete;
    Deskriptor& operator=(const Deskriptor&) = delete;
    int Fd() const { return m_fd; }
    int Freigeben()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }

private:
    int m_fd;
};

[[noreturn]] void Wirf(FileReadError::Grund grund, int err)
{
    const std::string text = grund == FileReadError::Grund::KeineRegulaereDatei
                                 ? (err == EISDIR ? std::system_category().message(EISDIR) : "not a regular file")
                             : grund == FileReadError::Grund::ZuGross ? "file too large"
                                                                      : std::system_category().message(err);
    throw FileReadError(grund, err, text);
}

// Opens a regular file; info receives what fstat says of it.
int Oeffne(const std::filesystem::path& path, struct stat& info)
{
    // Non-blocking, so that opening a FIFO does not wait for a writer; the
    // flag means nothing for the regular file that is read afterwards.
    Deskriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (fd.Fd() < 0)
        Wirf(FileReadError::Grund::NichtLesbar, errno);
    if (::fstat(fd.Fd(), &info) != 0)
        Wirf(FileReadError::Grund::NichtLesbar, errno);
    if (S_ISDIR(info.st_mode))
        Wirf(FileReadError::Grund::KeineRegulaereDatei, EISDIR);
    if (!S_ISREG(info.st_mode))
        Wirf(FileReadError::Grund::KeineRegulaereDatei, EINVAL);
    return fd.Freigeben();
}

// Reads at most limit + 1 bytes, so that a caller sees whether there was more.
std::string Lies(const std::filesystem::path& path, std::size_t limit)
{
    struct stat info {};
    Deskriptor fd(Oeffne(path, info));

    std::string data;
    if (info.st_size > 0)
        data.reserve(static_cast<std::size_t>(info.st_size) < limit ? static_cast<std::size_t>(info.st_size) + 1
                                                                   : limit + 1);
    char block[65536];
    while (data.size() <= limit) {
        const std::size_t wunsch = std::min(sizeof block, limit + 1 - data.size());
        const ssize_t n = ::read(fd.Fd(), block, wunsch);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            Wirf(FileReadError::Grund::NichtLesbar, errno);
        }
        if (n == 0)
            break;
        data.append(block, static_cast<std::size_t>(n));
    }
    return data;
}

} // namespace

FileReadError::FileReadError(Grund grund, int fehlernummer, const std::string& text)
    : std::runtime_error(text)
    , m_grund(grund)
    , m_fehlernummer(fehlernummer)
{
}

std::string ReadRegularFile(const std::filesystem::path& path, std::size_t maxBytes)
{
    std::string data = Lies(path, maxBytes);
    if (data.size() > maxBytes)
        Wirf(FileReadError::Grund::ZuGross, EFBIG);
    return data;
}

int OpenRegularFile(const std::filesystem::path& path, std::size_t maxBytes)
{
    struct stat info {};
    Deskriptor fd(Oeffne(path, info));
    if (static_cast<std::uintmax_t>(info.st_size) > maxBytes)
        Wirf(FileReadError::Grund::ZuGross, EFBIG);
    return fd.Freigeben();
}

std::string ReadRegularFileHead(const std::filesystem::path& path, std::size_t count)
{
    try {
        std::string data = Lies(path, count);
        data.resize(std::min(data.size(), count));
        return data;
    } catch (const FileReadError&) {
        return std::string();
    }
}

} // namespace zeva
