// libcurl, opened the first time a transfer needs it rather than at start-up:
// with its TLS, Kerberos and LDAP libraries it is a large part of what the
// program would map and relocate before its first frame, and most runs never
// send a result (what that buys is measured by bench/window-perf.sh --vs a
// build that links it; ARCHITECTURE.md). These definitions of
// the five functions the FTP session uses stand in for the library's own;
// each finds the real one in libcurl.so.4 and calls it. Without the library
// a transfer cannot start (curl_easy_init gives nullptr), which the session
// reports like any failure.
#define CURL_DISABLE_TYPECHECK
#include <curl/curl.h>

#include <dlfcn.h>

#include <cstdarg>

namespace {

template <typename F> F* Real(const char* name) {
    static void* const library = dlopen("libcurl.so.4", RTLD_NOW | RTLD_LOCAL);
    return library != nullptr ? reinterpret_cast<F*>(dlsym(library, name)) : nullptr;
}

} // namespace

extern "C" {

CURLcode curl_global_init(long flags) {
    auto* real = Real<CURLcode(long)>("curl_global_init");
    return real != nullptr ? real(flags) : CURLE_FAILED_INIT;
}

CURL* curl_easy_init() {
    auto* real = Real<CURL*()>("curl_easy_init");
    return real != nullptr ? real() : nullptr;
}

void curl_easy_cleanup(CURL* handle) {
    if (auto* real = Real<void(CURL*)>("curl_easy_cleanup")) {
        real(handle);
    }
}

CURLcode curl_easy_perform(CURL* handle) {
    auto* real = Real<CURLcode(CURL*)>("curl_easy_perform");
    return real != nullptr ? real(handle) : CURLE_FAILED_INIT;
}

CURLcode curl_easy_setopt(CURL* handle, CURLoption option, ...) {
    // Every option takes one argument: a long, a pointer or a curl_off_t,
    // each passed in one 64-bit slot, so it travels on as one.
    static_assert(sizeof(long) == sizeof(void*) && sizeof(curl_off_t) == sizeof(void*));
    va_list arguments;
    va_start(arguments, option);
    void* value = va_arg(arguments, void*);
    va_end(arguments);
    auto* real = Real<CURLcode(CURL*, CURLoption, ...)>("curl_easy_setopt");
    return real != nullptr ? real(handle, option, value) : CURLE_FAILED_INIT;
}

} // extern "C"
