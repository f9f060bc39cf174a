// The program's FTP client: one session with one server, used from a single
// thread at a time (the transfer dialogs run it off the window's thread).
// Transfers are binary and passive, encrypted with explicit TLS (AUTH TLS)
// as the login asks. Every step is bounded in time, so a silent or
// unreachable server ends the step with failure well within 20 s, and the
// progress callback can abandon any step at any moment.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace brinox {

// Whether the session encrypts: Try when the server offers TLS (plain FTP
// otherwise), Required refuses a server without it, Off never asks.
enum class FtpTls { Try, Required, Off };

struct FtpLogin {
    std::string host;
    std::int32_t port = 21;
    std::string user;
    std::string password;
    FtpTls tls = FtpTls::Try;
    // Certificates to trust instead of the system's; empty: the system's.
    std::string caFile;
};

// How a connection ended.
enum class FtpConnect {
    Connected,
    Failed,    // no connection, or the login was refused
    NoTls,     // TLS is required and the server does not offer it
    Untrusted, // the server's certificate could not be verified
};

class FtpSession {
public:
    // Bytes done and expected (0 when not known yet); false abandons the step.
    using Progress = std::function<bool(std::int64_t done, std::int64_t total)>;

    virtual ~FtpSession() = default;
    // Connects to the server and logs in, encrypted as the login asks.
    virtual FtpConnect Connect(const FtpLogin& login) = 0;
    // Stores a local file under remoteName in the login directory.
    virtual bool Put(const std::string& localPath, const std::string& remoteName) = 0;
    // Fetches remoteName from the login directory into localPath, replacing it.
    virtual bool Get(const std::string& remoteName, const std::string& localPath) = 0;
};

// A libcurl session reporting to progress; nullptr when none can be opened.
std::unique_ptr<FtpSession> OpenFtpSession(FtpSession::Progress progress);

} // namespace brinox
