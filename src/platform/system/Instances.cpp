#include "Instances.h"

#include "Files.h"
#include "SysErrorText.h"

#include <QByteArray>
#include <QLocalServer>
#include <QLocalSocket>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

// A text longer than this is not one of ours: the connection is dropped.
constexpr quint32 MaxMessageBytes = 1 << 20;
// Only guards against a peer that accepts no connection at all.
constexpr int PeerTimeoutMs = 2000;

class TFd {
public:
    explicit TFd(int Fd = -1) : Fd_(Fd) {}
    ~TFd() { Reset(); }
    TFd(const TFd&) = delete;
    TFd& operator=(const TFd&) = delete;
    int Get() const { return Fd_; }
    // The descriptor, no longer closed here.
    int Release() { return std::exchange(Fd_, -1); }
    void Reset(int Fd = -1)
    {
        if (Fd_ >= 0)
            ::close(Fd_);
        Fd_ = Fd;
    }

private:
    int Fd_;
};

std::string Entry(const std::string& Folder, pid_t Pid, const char* Suffix)
{
    return Folder + std::to_string(Pid) + Suffix;
}

// The pid of a "<pid>.lock" name, or 0.
pid_t LockOwner(const char* Name)
{
    char* end = nullptr;
    errno = 0;
    const long pid = std::strtol(Name, &end, 10);
    if (errno != 0 || end == Name || pid <= 0 || std::strcmp(end, ".lock") != 0)
        return 0;
    return static_cast<pid_t>(pid);
}

std::string ReadSmallFile(const std::string& Path)
{
    TFd fd(::open(Path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
    std::string data;
    if (fd.Get() < 0)
        return data;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd.Get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0 || data.size() + static_cast<size_t>(n) > MaxMessageBytes)
            break;
        data.append(buffer, static_cast<size_t>(n));
    }
    return data;
}

// Readers see the old text or the new one, never half of it. Returns the
// errno of a failure, else 0.
int ReplaceFile(const std::string& Path, const std::string& Data)
{
    const std::string temp = Path + ".tmp";
    TFd fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0600));
    if (fd.Get() < 0)
        return errno;
    std::string_view rest = Data;
    while (!rest.empty()) {
        const ssize_t n = ::write(fd.Get(), rest.data(), rest.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int error = errno;
            ::unlink(temp.c_str());
            return error;
        }
        rest.remove_prefix(static_cast<size_t>(n));
    }
    fd.Reset();
    if (::rename(temp.c_str(), Path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        return error;
    }
    return 0;
}

// Folder without its final "/": the name of the folder itself, which is
// not followed when it is a link.
std::string FolderName(const std::string& Folder) { return Folder.substr(0, Folder.find_last_not_of('/') + 1); }

// Why what stands at the folder's name is no folder, as the user reads it.
std::string NoFolderReason(mode_t Mode)
{
    if (S_ISREG(Mode))
        return "フォルダーではなくファイルです。";
    if (S_ISFIFO(Mode))
        return "フォルダーではなく名前付きパイプ（FIFO）です。";
    return "フォルダーではありません。";
}

// Makes the folder private to this user, or says why it cannot be used.
std::string PrepareFolder(const std::string& Folder)
{
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(Folder).parent_path().parent_path(), ignored);
    if (::mkdir(Folder.c_str(), 0700) != 0 && errno != EEXIST)
        return SysErrorMessage(errno);
    const std::string name = FolderName(Folder);
    struct stat st;
    if (::lstat(name.c_str(), &st) != 0)
        return SysErrorMessage(errno);
    if (S_ISLNK(st.st_mode) && ::stat(name.c_str(), &st) != 0)
        return errno == ENOENT ? "リンク先のないシンボリックリンクです。" : SysErrorMessage(errno);
    if (!S_ISDIR(st.st_mode))
        return NoFolderReason(st.st_mode);
    // Another user's folder (or a link planted in /tmp to one) must not
    // receive our entries.
    if (st.st_uid != ::getuid())
        return "別のユーザーのフォルダーです。";
    if ((st.st_mode & 077) != 0 && ::chmod(Folder.c_str(), 0700) != 0)
        return SysErrorMessage(errno);
    return {};
}

// The local socket's address at Path. The sockets are made here rather
// than by Qt, which names them by text and so cannot reach a folder whose
// name is not UTF-8. False when the name is too long for an address.
bool SocketAddress(const std::string& Path, sockaddr_un& Address)
{
    Address = {};
    Address.sun_family = AF_UNIX;
    if (Path.size() >= sizeof Address.sun_path)
        return false;
    std::memcpy(Address.sun_path, Path.c_str(), Path.size() + 1);
    return true;
}

// A socket listening at Path, replacing a stale one; else -1 and errno.
int ListeningSocket(const std::string& Path)
{
    sockaddr_un address;
    if (!SocketAddress(Path, address)) {
        errno = ENAMETOOLONG;
        return -1;
    }
    TFd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    ::unlink(Path.c_str());
    if (fd.Get() < 0 || ::bind(fd.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0
        || ::listen(fd.Get(), SOMAXCONN) != 0) {
        const int error = errno;
        fd.Reset();
        errno = error;
        return -1;
    }
    return fd.Release();
}

// A socket connected to the one listening at Path, or -1. It never waits:
// a peer that takes no connection is passed over.
int ConnectedSocket(const std::string& Path)
{
    sockaddr_un address;
    if (!SocketAddress(Path, address))
        return -1;
    TFd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (fd.Get() < 0 || ::connect(fd.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
        return -1;
    return fd.Release();
}

QByteArray Frame(const std::string& Text)
{
    QByteArray frame;
    const auto size = static_cast<quint32>(Text.size());
    for (int shift = 24; shift >= 0; shift -= 8)
        frame.append(static_cast<char>((size >> shift) & 0xFF));
    frame.append(Text.data(), static_cast<qsizetype>(Text.size()));
    return frame;
}

} // namespace

std::string InstanceFolder()
{
    if (const char* home = std::getenv("VELK_HOME"); home && *home)
        return (std::filesystem::absolute(home).lexically_normal() / ".run").string() + "/";
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && runtime[0] == '/')
        return (std::filesystem::path(runtime).lexically_normal() / "velk2000").string() + "/";
    return "/tmp/velk2000-" + std::to_string(::getuid()) + "/";
}

struct TInstanceRegistry::TImpl {
    TInstanceRegistry& Owner;
    std::string Folder;
    pid_t Pid = ::getpid();
    TFd Lock;
    std::string Caption;
    std::string Error;
    std::unique_ptr<QLocalServer> Server;

    TImpl(TInstanceRegistry& Owner_, std::string Folder_) : Owner(Owner_), Folder(std::move(Folder_)) {}
    std::string Path(const char* Suffix) const { return Entry(Folder, Pid, Suffix); }
    void Register();
    void Unregister();
    void Listen();
    void Accept(QLocalSocket* Socket);
    // The pids of the running instances, this one not included; stale
    // entries met on the way are removed.
    std::vector<pid_t> Others();
    // Pid is this instance or holds the lock of its entry.
    bool IsRunning(pid_t Other) const;
    // The registered registries of this process, newest last; the newest
    // one answers whether a save's leftover may still be renamed.
    static std::vector<const TImpl*>& Live()
    {
        static std::vector<const TImpl*> live;
        return live;
    }
};

void TInstanceRegistry::TImpl::Register()
{
    if (!Folder.empty() && Folder.back() != '/')
        Folder += '/';
    if (Error = PrepareFolder(Folder); !Error.empty())
        return;
    Listen();
    if (!Error.empty())
        return;
    if (const int error = ReplaceFile(Path(".caption"), Caption)) {
        Error = SysErrorMessage(error);
        return;
    }
    // The lock file appears under its name already locked, so no one can
    // take it for a stale entry while it is being set up.
    const std::string fresh = Path(".new");
    Lock.Reset(::open(fresh.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0600));
    if (Lock.Get() < 0 || ::flock(Lock.Get(), LOCK_EX | LOCK_NB) != 0
        || ::rename(fresh.c_str(), Path(".lock").c_str()) != 0) {
        Error = SysErrorMessage(errno);
        ::unlink(fresh.c_str());
        Lock.Reset();
    }
}

void TInstanceRegistry::TImpl::Listen()
{
    const std::string unusable = "他のVelk2000との連絡口を作れません。";
    const int listening = ListeningSocket(Path(".sock"));
    if (listening < 0) {
        // A name too long for a socket's address (107 bytes) says so too.
        Error = unusable + SysErrorMessage(errno);
        return;
    }
    Server = std::make_unique<QLocalServer>();
    if (!Server->listen(listening)) {
        ::close(listening);
        Error = unusable;
        Server.reset();
        return;
    }
    QObject::connect(Server.get(), &QLocalServer::newConnection, Server.get(), [this] {
        while (QLocalSocket* socket = Server->nextPendingConnection())
            Accept(socket);
    });
}

void TInstanceRegistry::TImpl::Accept(QLocalSocket* Socket)
{
    // Texts arrive as a 4-byte big-endian length and that many bytes.
    const auto drain = [this, Socket, buffer = std::make_shared<QByteArray>()] {
        buffer->append(Socket->readAll());
        while (buffer->size() >= 4) {
            quint32 size = 0;
            for (int i = 0; i < 4; ++i)
                size = (size << 8) | static_cast<unsigned char>((*buffer)[i]);
            if (size > MaxMessageBytes) {
                Socket->abort();
                return;
            }
            if (buffer->size() < 4 + static_cast<qsizetype>(size))
                return;
            std::string text(buffer->constData() + 4, size);
            buffer->remove(0, 4 + static_cast<qsizetype>(size));
            if (Owner.OnMessage)
                Owner.OnMessage(text);
        }
    };
    QObject::connect(Socket, &QLocalSocket::disconnected, Socket, &QObject::deleteLater);
    QObject::connect(Socket, &QLocalSocket::readyRead, Socket, drain);
    if (Socket->bytesAvailable() > 0)
        drain();
}

void TInstanceRegistry::TImpl::Unregister()
{
    // Also after a registration that stopped half-way: whatever of this
    // pid's entries exists was made here.
    Server.reset();
    ::unlink(Path(".sock").c_str());
    ::unlink(Path(".caption").c_str());
    if (Lock.Get() >= 0)
        ::unlink(Path(".lock").c_str());
    Lock.Reset();
}

std::vector<pid_t> TInstanceRegistry::TImpl::Others()
{
    std::vector<pid_t> alive;
    if (Lock.Get() < 0)
        return alive;
    DIR* dir = ::opendir(Folder.c_str());
    if (!dir)
        return alive;
    while (const dirent* entry = ::readdir(dir)) {
        const pid_t pid = LockOwner(entry->d_name);
        if (pid == 0 || pid == Pid)
            continue;
        const std::string lockPath = Entry(Folder, pid, ".lock");
        TFd fd(::open(lockPath.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
        if (fd.Get() < 0)
            continue;
        if (::flock(fd.Get(), LOCK_EX | LOCK_NB) != 0) {
            alive.push_back(pid);
            continue;
        }
        // Its holder is gone. Remove the entry only while the name still
        // means the file locked here, not a newcomer's under a reused pid.
        struct stat held, named;
        if (::fstat(fd.Get(), &held) == 0 && ::stat(lockPath.c_str(), &named) == 0 && held.st_ino == named.st_ino
            && held.st_dev == named.st_dev) {
            ::unlink(Entry(Folder, pid, ".caption").c_str());
            ::unlink(Entry(Folder, pid, ".sock").c_str());
            ::unlink(lockPath.c_str());
        }
    }
    ::closedir(dir);
    return alive;
}

bool TInstanceRegistry::TImpl::IsRunning(pid_t Other) const
{
    if (Other == Pid)
        return true;
    TFd fd(::open(Entry(Folder, Other, ".lock").c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
    return fd.Get() >= 0 && ::flock(fd.Get(), LOCK_SH | LOCK_NB) != 0;
}

TInstanceRegistry::TInstanceRegistry(const std::string& Folder) : Impl_(std::make_unique<TImpl>(*this, Folder))
{
    Impl_->Register();
    if (!Impl_->Error.empty()) {
        Impl_->Unregister();
        return;
    }
    // A save's leftover belongs to a writer that may still rename it only
    // while that writer is a running instance; a live process that merely
    // reuses the id in the name does not keep it.
    TImpl::Live().push_back(Impl_.get());
    if (TImpl::Live().size() == 1)
        SetTempWriterCheck([](pid_t Writer) { return TImpl::Live().back()->IsRunning(Writer); });
}

TInstanceRegistry::~TInstanceRegistry()
{
    std::erase(TImpl::Live(), Impl_.get());
    if (TImpl::Live().empty())
        SetTempWriterCheck(nullptr);
    Impl_->Unregister();
}

bool TInstanceRegistry::Registered() const { return Impl_->Error.empty(); }

std::string TInstanceRegistry::Folder() const { return FolderName(Impl_->Folder); }

const std::string& TInstanceRegistry::RegistrationError() const { return Impl_->Error; }

bool TInstanceRegistry::IsSingleInstance() { return Impl_->Others().empty(); }

void TInstanceRegistry::SetCaption(const std::string& Caption)
{
    Impl_->Caption = Caption;
    if (Registered())
        ReplaceFile(Impl_->Path(".caption"), Caption);
}

bool TInstanceRegistry::IsCaptionOpen(const std::string& Caption)
{
    const std::vector<std::string> others = OtherCaptions();
    return Impl_->Caption == Caption || std::find(others.begin(), others.end(), Caption) != others.end();
}

std::vector<std::string> TInstanceRegistry::OtherCaptions()
{
    std::vector<std::string> captions;
    for (const pid_t pid : Impl_->Others())
        captions.push_back(ReadSmallFile(Entry(Impl_->Folder, pid, ".caption")));
    return captions;
}

int TInstanceRegistry::Broadcast(const std::string& Text)
{
    const QByteArray frame = Frame(Text);
    int reached = 0;
    for (const pid_t pid : Impl_->Others()) {
        const int connected = ConnectedSocket(Entry(Impl_->Folder, pid, ".sock"));
        QLocalSocket socket;
        if (connected < 0 || !socket.setSocketDescriptor(connected)) {
            if (connected >= 0)
                ::close(connected);
            continue;
        }
        socket.write(frame);
        if (socket.waitForBytesWritten(PeerTimeoutMs) || socket.bytesToWrite() == 0)
            ++reached;
        socket.disconnectFromServer();
        if (socket.state() != QLocalSocket::UnconnectedState)
            socket.waitForDisconnected(PeerTimeoutMs);
    }
    return reached;
}
