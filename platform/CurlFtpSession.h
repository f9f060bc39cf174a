// FtpSession over one libcurl easy handle. The connection made by Connect is
// kept in the handle and reused by the later Put and Get, so the login
// happens once; so does the TLS handshake, which curl resumes for each data
// connection. Limits: 8 s to connect, 8 s for any server reply, a stall of
// 8 s in a data transfer, and 15 s for any one step as a whole.
#pragma once

#include "FtpSession.h"

#include <cstdio>

namespace brinox {

class CurlFtpSession : public FtpSession {
public:
    explicit CurlFtpSession(Progress progress);
    ~CurlFtpSession() override;
    CurlFtpSession(const CurlFtpSession&) = delete;
    CurlFtpSession& operator=(const CurlFtpSession&) = delete;

    // False when libcurl could not give a handle.
    bool Opened() const { return curl != nullptr; }

    FtpConnect Connect(const FtpLogin& login) override;
    bool Put(const std::string& localPath, const std::string& remoteName) override;
    bool Get(const std::string& remoteName, const std::string& localPath) override;

private:
    static int OnProgress(void* self, std::int64_t downTotal, std::int64_t downDone,
                          std::int64_t upTotal, std::int64_t upDone);
    void SetCommonOptions();
    void SetTls(const FtpLogin& login);
    bool Perform(const std::string& path);

    void* curl = nullptr;
    Progress progress;
    std::string baseUrl;
};

} // namespace brinox
