#pragma once
// The command line of a verb: "--help", "--data DIR", the verb's own options
// and its file arguments, read by one loop. Which options a verb has, and
// whether each takes a value, is declared in sdftool/Verbs; the verb binds
// each declared option to where its value goes.
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/CommandSpec.h"

using Args = std::vector<std::string>;

class VerbOptions {
public:
    explicit VerbOptions(const char* verb);

    // An option without a value.
    void Flag(const std::string& name, bool& target);
    // An option with a value: the handler stores it, or returns why the
    // value is refused.
    using Handler = std::function<std::optional<std::string>(const std::string& value)>;
    void Value(const std::string& name, Handler handler);
    void Integer(const std::string& name, std::int32_t& target);
    void Text(const std::string& name, std::string& target);

    // Reads the arguments. None when the verb should go on; otherwise the
    // exit status: 0 after printing the usage for "--help", 2 after a usage
    // error on standard error.
    std::optional<int> Parse(const Args& args);
    // Whether a value is one of the option's declared words, and those words
    // as "a, b or c".
    bool Accepts(const std::string& name, const std::string& value) const;
    std::string Choices(const std::string& name) const;
    // Prints "sdftool VERB: why" and the usage on standard error; returns 2.
    int UsageError(const std::string& why) const;

    std::string ProgramDir; // "--data DIR", or platform::defaultProgramDir()
    std::vector<std::string> Files;

private:
    // Stops the program when a verb binds an option its declaration lacks,
    // or binds it as the other kind: a fault of the program, not the user.
    void checkDeclared(const std::string& name, bool flag) const;
    void checkAllBound() const;

    const char* verb_;
    std::string usage_;
    std::span<const platform::OptionSpec> declared_;
    std::map<std::string, bool*> flags_;
    std::map<std::string, Handler> values_;
};

// "FROM:TO:STEP" of a sweep, whole yards; none when it is not three whole numbers.
std::optional<std::array<std::int32_t, 3>> ParseSweep(const std::string& text);

// "--year YEAR": the year of play, 0 to 9999; left none when not given, so
// the clock's year holds.
VerbOptions::Handler YearOption(std::optional<std::int32_t>& year);
