#include "CurlFtpSession.h"

#include <curl/curl.h>

#include <mutex>

namespace brinox {

namespace {

constexpr long kConnectMs = 8000;
constexpr long kReplySeconds = 8;
constexpr long kStallSeconds = 8;
constexpr long kStepMs = 15000;
// Far above any file of the game; a server sending more is not trusted.
constexpr std::size_t kMaxDownloadBytes = 1 << 20;

CURL* Handle(void* curl) {
    return static_cast<CURL*>(curl);
}

void InitLibrary() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct Download {
    std::FILE* file;
    std::size_t written;
};

std::size_t WriteCapped(char* data, std::size_t size, std::size_t count, void* target) {
    auto& download = *static_cast<Download*>(target);
    const std::size_t bytes = size * count;
    if (download.written + bytes > kMaxDownloadBytes) {
        return 0;
    }
    download.written += bytes;
    return std::fwrite(data, 1, bytes, download.file);
}

class File {
public:
    File(const std::string& path, const char* mode) : file(std::fopen(path.c_str(), mode)) {}
    ~File() { Close(); }
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    std::FILE* Get() const { return file; }
    bool Close() {
        const bool ok = file == nullptr || std::fclose(file) == 0;
        file = nullptr;
        return ok;
    }

private:
    std::FILE* file;
};

} // namespace

std::unique_ptr<FtpSession> OpenFtpSession(FtpSession::Progress progress) {
    auto session = std::make_unique<CurlFtpSession>(std::move(progress));
    if (!session->Opened()) {
        return nullptr;
    }
    return session;
}

CurlFtpSession::CurlFtpSession(Progress progress) : progress(std::move(progress)) {
    InitLibrary();
    curl = curl_easy_init();
}

CurlFtpSession::~CurlFtpSession() {
    if (curl != nullptr) {
        curl_easy_cleanup(Handle(curl));
    }
}

int CurlFtpSession::OnProgress(void* self, std::int64_t downTotal, std::int64_t downDone,
                               std::int64_t upTotal, std::int64_t upDone) {
    const auto& report = static_cast<CurlFtpSession*>(self)->progress;
    if (!report) {
        return 0;
    }
    const bool upload = upTotal > 0 || upDone > 0;
    return report(upload ? upDone : downDone, upload ? upTotal : downTotal) ? 0 : 1;
}

void CurlFtpSession::SetCommonOptions() {
    CURL* h = Handle(curl);
    // No signals from a worker thread; bounded waits everywhere.
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, kConnectMs);
    curl_easy_setopt(h, CURLOPT_SERVER_RESPONSE_TIMEOUT, kReplySeconds);
    curl_easy_setopt(h, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(h, CURLOPT_LOW_SPEED_TIME, kStallSeconds);
    curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, kStepMs);
    // Passive (EPSV, then PASV) and binary.
    curl_easy_setopt(h, CURLOPT_FTPPORT, static_cast<char*>(nullptr));
    curl_easy_setopt(h, CURLOPT_FTP_USE_EPSV, 1L);
    curl_easy_setopt(h, CURLOPT_TRANSFERTEXT, 0L);
    curl_easy_setopt(h, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(h, CURLOPT_XFERINFOFUNCTION, &CurlFtpSession::OnProgress);
    curl_easy_setopt(h, CURLOPT_XFERINFODATA, this);
}

bool CurlFtpSession::Perform(const std::string& path) {
    const std::string url = baseUrl + path;
    curl_easy_setopt(Handle(curl), CURLOPT_URL, url.c_str());
    return curl_easy_perform(Handle(curl)) == CURLE_OK;
}

FtpConnect CurlFtpSession::Connect(const FtpLogin& login) {
    const bool literalV6 = login.host.find(':') != std::string::npos;
    baseUrl = "ftp://" + (literalV6 ? "[" + login.host + "]" : login.host) + ":" +
              std::to_string(login.port) + "/";
    SetCommonOptions();
    CURL* h = Handle(curl);
    curl_easy_setopt(h, CURLOPT_USERNAME, login.user.c_str());
    curl_easy_setopt(h, CURLOPT_PASSWORD, login.password.c_str());
    SetTls(login);
    // The login directory itself with no body: connect, log in, nothing more.
    curl_easy_setopt(h, CURLOPT_NOBODY, 1L);
    curl_easy_setopt(h, CURLOPT_URL, baseUrl.c_str());
    const CURLcode result = curl_easy_perform(h);
    curl_easy_setopt(h, CURLOPT_NOBODY, 0L);
    switch (result) {
    case CURLE_OK:
        return FtpConnect::Connected;
    case CURLE_USE_SSL_FAILED:
        return FtpConnect::NoTls;
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE:
        return FtpConnect::Untrusted;
    default:
        return FtpConnect::Failed;
    }
}

void CurlFtpSession::SetTls(const FtpLogin& login) {
    CURL* h = Handle(curl);
    const long use = login.tls == FtpTls::Required ? CURLUSESSL_ALL
                     : login.tls == FtpTls::Try    ? CURLUSESSL_TRY
                                                   : CURLUSESSL_NONE;
    curl_easy_setopt(h, CURLOPT_USE_SSL, use);
    // Explicit TLS (AUTH TLS on the usual port); data connections are
    // protected too once the control connection is (PBSZ 0, PROT P).
    curl_easy_setopt(h, CURLOPT_FTPSSLAUTH, static_cast<long>(CURLFTPAUTH_TLS));
    // The certificate is always checked: a result must not go to whoever
    // answers in the server's name.
    curl_easy_setopt(h, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(h, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!login.caFile.empty()) {
        curl_easy_setopt(h, CURLOPT_CAINFO, login.caFile.c_str());
    }
}

bool CurlFtpSession::Put(const std::string& localPath, const std::string& remoteName) {
    File file(localPath, "rb");
    if (file.Get() == nullptr || std::fseek(file.Get(), 0, SEEK_END) != 0) {
        return false;
    }
    const long size = std::ftell(file.Get());
    std::rewind(file.Get());
    CURL* h = Handle(curl);
    curl_easy_setopt(h, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(h, CURLOPT_READDATA, file.Get());
    curl_easy_setopt(h, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(size));
    const bool ok = size >= 0 && Perform(remoteName);
    curl_easy_setopt(h, CURLOPT_UPLOAD, 0L);
    curl_easy_setopt(h, CURLOPT_READDATA, nullptr);
    return ok;
}

bool CurlFtpSession::Get(const std::string& remoteName, const std::string& localPath) {
    File file(localPath, "wb");
    if (file.Get() == nullptr) {
        return false;
    }
    Download download{file.Get(), 0};
    CURL* h = Handle(curl);
    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, &WriteCapped);
    curl_easy_setopt(h, CURLOPT_WRITEDATA, &download);
    const bool ok = Perform(remoteName);
    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, nullptr);
    curl_easy_setopt(h, CURLOPT_WRITEDATA, nullptr);
    return file.Close() && ok;
}

} // namespace brinox
