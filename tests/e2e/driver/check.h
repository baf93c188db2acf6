// A small check framework for the end-to-end driver.  Checks record and go
// on, so one run reports every difference; REQUIRE stops the scenario when
// what follows would only repeat the same failure.  Failures print one line
// each with the expected and the actual value; the closing line is
// "N passed, N failed".
#pragma once

#include <windows.h>

#include <string>
#include <type_traits>
#include <vector>

namespace check {

// Thrown by REQUIRE; the scenario runner catches it.
struct Abort {};

void Pass();
void Fail(const char* file, int line, const std::string& message);
int Passed();
int Failed();

// Text is shown as the program's users see it: the driver's strings are GBK,
// the log reader's terminal is UTF-8.
std::string Show(const std::string& s);
inline std::string Show(const char* s) { return Show(std::string(s ? s : "(null)")); }
std::string Show(long long v);
inline std::string Show(bool v) { return v ? "true" : "false"; }

// A style or handle word shown in hex, compared exactly.
struct Hex {
    unsigned long long value;
    explicit Hex(unsigned long long v) : value(v) {}
    bool operator==(const Hex& o) const { return value == o.value; }
};
std::string Show(const Hex& h);
std::string Show(const std::vector<int>& v);

template <class T, class = std::enable_if_t<std::is_integral_v<T> || std::is_enum_v<T>>>
std::string Show(T v) { return Show(static_cast<long long>(v)); }

// Names the row of a table (or any step) in every failure it encloses.
class Context {
public:
    explicit Context(std::string what);
    ~Context();
    Context(const Context&) = delete;
    Context& operator=(const Context&) = delete;
};

template <class E, class A>
bool Equal(const char* file, int line, const char* expr, const E& expected, const A& actual) {
    if (expected == actual) {
        Pass();
        return true;
    }
    Fail(file, line, std::string(expr) + ": expected " + Show(expected) + ", actual " + Show(actual));
    return false;
}

}  // namespace check

#define CHECK(cond) \
    ((cond) ? (check::Pass(), true) : (check::Fail(__FILE__, __LINE__, "CHECK(" #cond ")"), false))
#define CHECK_EQ(expected, actual) \
    check::Equal(__FILE__, __LINE__, "CHECK_EQ(" #expected ", " #actual ")", (expected), (actual))
#define REQUIRE(cond) \
    do { if (!CHECK(cond)) throw check::Abort(); } while (0)
#define REQUIRE_EQ(expected, actual) \
    do { if (!CHECK_EQ(expected, actual)) throw check::Abort(); } while (0)
