// Where championship results go and the Top 10 comes from: the result
// server's host, port and login. The compiled defaults can be replaced by an
// optional resultserver.ini in the game directory, for a private or local
// championship:
//
//   [server]
//   host=ftp.example.org
//   port=21
//   user=player
//   password=secret
//   tls=try            ; try (TLS when offered), required or off
//   cafile=wc-ca.pem   ; certificates to trust, beside the game's files
//
// Keys left out keep their default; keys of other groups are ignored. A file
// that is missing, unreadable or damaged in any line means the defaults.
#pragma once

#include "platform/FtpSession.h"

#include <cstdint>
#include <string>

namespace brinox {

struct ResultServer {
    std::string host;
    std::int32_t port = 21;
    std::string user;
    std::string password;
    FtpTls tls = FtpTls::Try;
    // Empty: the system's certificates; otherwise a path, taken from the game
    // directory when relative.
    std::string caFile;

    bool operator==(const ResultServer&) const = default;
};

// The compiled defaults; the login is spelled out only at run time.
ResultServer DefaultResultServer();
// resultserver.ini of appDirectory over the defaults.
ResultServer ReadResultServer(const std::string& appDirectory);
// The session's login for the server; a relative caFile is taken from appDirectory.
FtpLogin LoginFor(const ResultServer& server, const std::string& appDirectory);

} // namespace brinox
