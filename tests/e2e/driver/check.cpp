#include "tests/e2e/driver/check.h"

#include <cstdio>
#include <vector>

namespace check {
namespace {

int passed = 0;
int failed = 0;
std::vector<std::string> contexts;

std::string Utf8FromGbk(const std::string& s) {
    if (s.empty()) return s;
    int n = MultiByteToWideChar(936, 0, s.data(), int(s.size()), nullptr, 0);
    std::wstring w(size_t(n), L'\0');
    MultiByteToWideChar(936, 0, s.data(), int(s.size()), &w[0], n);
    int m = WideCharToMultiByte(CP_UTF8, 0, w.data(), n, nullptr, 0, nullptr, nullptr);
    std::string u(size_t(m), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.data(), n, &u[0], m, nullptr, nullptr);
    return u;
}

}  // namespace

void Pass() { ++passed; }

void Fail(const char* file, int line, const std::string& message) {
    ++failed;
    std::string where;
    for (const std::string& c : contexts) where += c + ": ";
    const char* base = file;
    for (const char* p = file; *p; ++p)
        if (*p == '/' || *p == '\\') base = p + 1;
    // Expressions, contexts and values are GBK, as the program's texts are;
    // whoever reads the log reads UTF-8.
    std::printf("FAIL %s:%d: %s\n", base, line, Utf8FromGbk(where + message).c_str());
    std::fflush(stdout);
}

int Passed() { return passed; }
int Failed() { return failed; }

std::string Show(const std::string& s) {
    // Control bytes are escaped so an "\r\n" difference is visible.
    std::string out = "\"";
    for (size_t i = 0; i < s.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        if (IsDBCSLeadByteEx(936, c) && i + 1 < s.size()) {
            out += s.substr(i++, 2);  // a trail byte may be '\\' (0x5c)
        } else if (c == '\\') out += "\\\\";
        else if (c == '"') out += "\\\"";
        else if (c == '\r') out += "\\r";
        else if (c == '\n') out += "\\n";
        else if (c == '\t') out += "\\t";
        else if (c < 0x20 || c == 0x7f) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02x", c);
            out += buf;
        } else out += char(c);
    }
    return out + "\"";
}

std::string Show(long long v) { return std::to_string(v); }

std::string Show(const Hex& h) {
    char buf[24];
    std::snprintf(buf, sizeof buf, "0x%llx", h.value);
    return buf;
}

std::string Show(const std::vector<int>& v) {
    std::string out = "{";
    for (size_t i = 0; i < v.size(); ++i) out += (i ? ", " : "") + std::to_string(v[i]);
    return out + "}";
}

Context::Context(std::string what) { contexts.push_back(std::move(what)); }
Context::~Context() { contexts.pop_back(); }

}  // namespace check
