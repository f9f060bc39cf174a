#include "ResultServer.h"

#include "engine/FileNames.h"

#include <array>
#include <charconv>
#include <fstream>
#include <optional>
#include <sstream>
#include <string_view>
#include <utility>

namespace brinox {

namespace {

constexpr const char* kDefaultHost = "wc.brinox2000.net";
constexpr std::size_t kMaxFileBytes = 64 * 1024;

// The login never appears as text in the program: it is picked out of these
// tables one character at a time.
constexpr std::array<char, 26> kLetters = {'q', 'w', 'e', 'r', 't', 'y', 'u', 'i', 'o',
                                           'p', 'a', 's', 'd', 'f', 'g', 'h', 'j', 'k',
                                           'l', 'z', 'x', 'c', 'v', 'b', 'n', 'm'};
constexpr std::array<char, 10> kDigits = {'7', '3', '9', '1', '5', '0', '8', '2', '6', '4'};
constexpr std::array<std::size_t, 8> kUserPicks = {23, 3, 7, 24, 8, 20, 1, 21};
constexpr std::array<std::size_t, 8> kPasswordPicks = {4, 10, 7, 22, 3, 0, 11, 1};

std::string Pick(const std::array<std::size_t, 8>& picks, bool withDigits) {
    std::string text;
    for (std::size_t i = 0; i < picks.size(); ++i) {
        const bool digit = withDigits && i % 3 == 2;
        text += digit ? kDigits[picks[i] % kDigits.size()] : kLetters[picks[i]];
    }
    return text;
}

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

bool SetTls(ResultServer& server, const std::string& value) {
    constexpr std::array<std::pair<std::string_view, FtpTls>, 3> kValues = {
        {{"try", FtpTls::Try}, {"required", FtpTls::Required}, {"off", FtpTls::Off}}};
    for (const auto& [name, tls] : kValues) {
        if (value == name) {
            server.tls = tls;
            return true;
        }
    }
    return false;
}

bool SetKey(ResultServer& server, const std::string& key, const std::string& value) {
    if (key == "tls") {
        return SetTls(server, value);
    }
    if (key == "port") {
        std::int32_t port = 0;
        const auto end = value.data() + value.size();
        const auto [stop, error] = std::from_chars(value.data(), end, port);
        server.port = port;
        return error == std::errc() && stop == end && port > 0 && port <= 65535;
    }
    std::string* field = key == "host"       ? &server.host
                         : key == "user"     ? &server.user
                         : key == "password" ? &server.password
                         : key == "cafile"   ? &server.caFile
                                             : nullptr;
    if (field != nullptr) {
        *field = value;
    }
    return field == nullptr || !value.empty();
}

std::optional<ResultServer> Parse(std::istream& in, ResultServer server) {
    bool inServer = false;
    std::string line;
    while (std::getline(in, line)) {
        line = Trim(line);
        if (line.empty() || line[0] == ';' || line[0] == '#') {
            continue;
        }
        if (line.front() == '[' && line.back() == ']') {
            inServer = Trim(line.substr(1, line.size() - 2)) == "server";
            continue;
        }
        const auto equals = line.find('=');
        if (equals == std::string::npos || equals == 0) {
            return std::nullopt;
        }
        if (inServer &&
            !SetKey(server, Trim(line.substr(0, equals)), Trim(line.substr(equals + 1)))) {
            return std::nullopt;
        }
    }
    return server;
}

} // namespace

ResultServer DefaultResultServer() {
    return {kDefaultHost, 21, Pick(kUserPicks, false), Pick(kPasswordPicks, true), FtpTls::Try, ""};
}

FtpLogin LoginFor(const ResultServer& server, const std::string& appDirectory) {
    const bool relative = !server.caFile.empty() && server.caFile.front() != '/';
    return {server.host,     server.port, server.user,
            server.password, server.tls,  relative ? appDirectory + server.caFile : server.caFile};
}

ResultServer ReadResultServer(const std::string& appDirectory) {
    std::ifstream file(appDirectory + std::string(files::kResultServer), std::ios::binary);
    std::string text(kMaxFileBytes + 1, '\0');
    file.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(file.gcount()));
    if (!file.is_open() || text.size() > kMaxFileBytes || text.find('\0') != std::string::npos) {
        return DefaultResultServer();
    }
    std::istringstream lines(text);
    return Parse(lines, DefaultResultServer()).value_or(DefaultResultServer());
}

} // namespace brinox
