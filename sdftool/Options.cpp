#include "sdftool/Options.h"

#include "platform/NumberText.h"
#include "platform/Paths.h"
#include "sdftool/Verbs.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>

VerbOptions::VerbOptions(const char* verb) : verb_(verb) {
    const platform::VerbSpec* declaration = platform::FindVerb(sdftool::Program(), verb);
    if (!declaration) {
        std::fprintf(stderr, "sdftool: the verb '%s' is not declared\n", verb);
        std::abort();
    }
    usage_ = platform::VerbUsage(sdftool::Program(), *declaration);
    declared_ = declaration->Options;
}

void VerbOptions::checkDeclared(const std::string& name, bool flag) const {
    const platform::OptionSpec* o = platform::FindOption(declared_, name);
    if (o && (o->Value == nullptr) == flag) return;
    std::fprintf(stderr, "sdftool %s: option '%s' is bound %s its declaration\n", verb_, name.c_str(),
                 o ? "otherwise than" : "without");
    std::abort();
}

void VerbOptions::checkAllBound() const {
    for (const platform::OptionSpec& o : declared_) {
        if (flags_.count(o.Name) || values_.count(o.Name)) continue;
        std::fprintf(stderr, "sdftool %s: option '%s' is declared but not bound\n", verb_, o.Name);
        std::abort();
    }
}

void VerbOptions::Flag(const std::string& name, bool& target) {
    checkDeclared(name, true);
    flags_[name] = &target;
}

void VerbOptions::Value(const std::string& name, Handler handler) {
    checkDeclared(name, false);
    values_[name] = std::move(handler);
}

void VerbOptions::Integer(const std::string& name, std::int32_t& target) {
    Value(name, [&target, name](const std::string& v) -> std::optional<std::string> {
        auto n = platform::StrToInt(v);
        if (!n) return "'" + v + "' is not a whole number for " + name;
        target = *n;
        return std::nullopt;
    });
}

void VerbOptions::Text(const std::string& name, std::string& target) {
    Value(name, [&target](const std::string& v) -> std::optional<std::string> {
        target = v;
        return std::nullopt;
    });
}

bool VerbOptions::Accepts(const std::string& name, const std::string& value) const {
    const platform::OptionSpec* o = platform::FindOption(declared_, name);
    if (!o || !o->Choices) return false;
    const std::vector<std::string> words = o->Choices();
    return std::find(words.begin(), words.end(), value) != words.end();
}

std::string VerbOptions::Choices(const std::string& name) const {
    const platform::OptionSpec* o = platform::FindOption(declared_, name);
    return o ? platform::ChoicesText(*o) : std::string();
}

int VerbOptions::UsageError(const std::string& why) const {
    std::fprintf(stderr, "sdftool %s: %s\n\n%s", verb_, why.c_str(), usage_.c_str());
    return 2;
}

std::optional<int> VerbOptions::Parse(const Args& args) {
    checkAllBound();
    for (const auto& a : args)
        if (a == "--help" || a == "-h") {
            std::fputs(usage_.c_str(), stdout);
            return 0;
        }
    ProgramDir = platform::defaultProgramDir();
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        // A negative number is an argument, not an option.
        const bool option = a.size() > 1 && a[0] == '-' && !std::isdigit(static_cast<unsigned char>(a[1]));
        if (!option) {
            Files.push_back(a);
            continue;
        }
        if (auto flag = flags_.find(a); flag != flags_.end()) {
            *flag->second = true;
            continue;
        }
        const bool known = a == "--data" || values_.count(a) > 0;
        if (!known) return UsageError("unknown option '" + a + "'");
        if (i + 1 >= args.size()) return UsageError("option '" + a + "' needs a value");
        const std::string& v = args[++i];
        if (a == "--data") {
            ProgramDir = v;
        } else if (auto why = values_[a](v)) {
            return UsageError(*why);
        }
    }
    if (ProgramDir.empty() || ProgramDir.back() != '/') ProgramDir.push_back('/');
    return std::nullopt;
}

std::optional<std::array<std::int32_t, 3>> ParseSweep(const std::string& text) {
    std::array<std::int32_t, 3> v{};
    size_t at = 0;
    for (int i = 0; i < 3; ++i) {
        const size_t colon = i < 2 ? text.find(':', at) : text.size();
        if (colon == std::string::npos) return std::nullopt;
        auto n = platform::StrToInt(std::string_view(text).substr(at, colon - at));
        if (!n) return std::nullopt;
        v[static_cast<size_t>(i)] = *n;
        at = colon + 1;
    }
    return v;
}

VerbOptions::Handler YearOption(std::optional<std::int32_t>& year) {
    return [&year](const std::string& v) -> std::optional<std::string> {
        auto n = platform::StrToInt(v);
        if (!n || *n < 0 || *n > 9999) return "'" + v + "' is not a year for --year";
        year = *n;
        return std::nullopt;
    };
}
