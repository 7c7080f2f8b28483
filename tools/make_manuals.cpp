// Writes the manual pages sdftool.1 and shipdesigner.1 and the bash
// completion of sdftool from the command lines both programs declare, so the
// pages and the completion say what --help says. Run by the build:
//   shipmanuals OUT_DIR DESCRIPTION_FILE DATE
// DESCRIPTION_FILE is packaging/description.txt (summary line, blank line,
// paragraphs); DATE (YYYY-MM-DD) is the release's, so the pages repeat.
#include "app/CommandLine.h"
#include "platform/CommandSpec.h"
#include "platform/Version.h"
#include "sdftool/Verbs.h"

#include <cctype>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace {

using platform::OptionSpec;
using platform::ProgramSpec;
using platform::ValueKind;
using platform::VerbSpec;

// ---------------------------------------------------------------------------
// roff

// Text for roff: backslashes and minus signs escaped, and a line that would
// read as a request kept as text.
std::string esc(std::string_view text) {
    std::string out;
    bool lineStart = true;
    for (char c : text) {
        if (lineStart && (c == '.' || c == '\'')) out += "\\&";
        if (c == '\\') out += "\\e";
        else if (c == '-') out += "\\-";
        else out += c;
        lineStart = c == '\n';
    }
    return out;
}

// Joined into one line: roff fills it.
std::string flat(std::string_view text) {
    std::string out;
    for (char c : text) out += c == '\n' ? ' ' : c;
    return out;
}

std::string roffParagraphs(std::string_view text) {
    std::string out;
    for (std::string_view p : platform::Paragraphs(text)) {
        if (p.starts_with("  ")) out += ".PP\n.nf\n" + esc(p) + "\n.fi\n";
        else out += ".PP\n" + esc(flat(p)) + "\n";
    }
    return out;
}

std::string roffOptions(std::span<const OptionSpec> options) {
    std::string out;
    for (const OptionSpec& o : options) {
        out += ".TP\n\\fB" + esc(o.Name) + "\\fR";
        if (o.Value) out += " \\fI" + esc(o.Value) + "\\fR";
        out += "\n" + esc(platform::OptionHelp(o)) + "\n";
    }
    return out;
}

std::string roffSynopsis(const std::string& command, std::string_view synopsis) {
    std::string out = ".nf\n";
    for (std::string_view line : platform::Paragraphs(synopsis)) {
        std::istringstream lines{std::string(line)};
        for (std::string l; std::getline(lines, l);) out += "\\fB" + esc(command) + "\\fR " + esc(l) + "\n";
    }
    return out + ".fi\n";
}

// A long command broken at blanks, each break marked with a backslash.
std::string exampleCommand(const std::string& command) {
    std::string out, line;
    std::istringstream words(command);
    for (std::string w; words >> w;) {
        if (!line.empty() && line.size() + 1 + w.size() > 66) {
            out += esc(line) + " \\e\n";
            line = "    ";
        }
        line += (line.empty() || line == "    " ? "" : " ") + w;
    }
    return out + esc(line) + "\n";
}

std::string roffExamples(const ProgramSpec& program) {
    std::vector<std::pair<std::string, const char*>> all;
    for (const auto& e : program.Examples) all.emplace_back(std::string(e.Command), e.Says);
    for (const VerbSpec& v : program.Verbs)
        for (const auto& e : v.Examples) all.emplace_back(std::string(e.Command), e.Says);
    std::string out = ".SH EXAMPLES\n";
    for (const auto& [command, says] : all) {
        std::string text = says;
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
        out += ".PP\n" + esc(text) + ":\n.PP\n.RS 4\n.nf\n";
        out += exampleCommand(program.Name + (command.empty() ? "" : " " + command));
        out += ".fi\n.RE\n";
    }
    return out;
}

std::string roffVerb(const ProgramSpec& program, const VerbSpec& verb) {
    const std::string command = std::string(program.Name) + " " + verb.Name;
    std::string out = ".SS \"" + esc(command) + "\"\n" + roffSynopsis(command, verb.Synopsis);
    out += roffParagraphs(verb.Description);
    if (!verb.Options.empty()) out += ".PP\nOptions:\n.RS 4\n" + roffOptions(verb.Options) + ".RE\n";
    if (verb.Notes) out += roffParagraphs(verb.Notes);
    if (verb.ExitStatus) out += ".PP\nExit status: " + esc(verb.ExitStatus) + "\n";
    return out;
}

std::string manualPage(const ProgramSpec& program, std::string_view description, const std::string& date) {
    std::string upper = program.Name;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    std::string out = ".\\\" Written by the build from the program's declared command line.\n";
    out += ".TH " + upper + " 1 " + date + " \"shipdesigner " + platform::kVersion + "\" \"User Commands\"\n";
    // No hyphenation: JSON keys and option names stay whole.
    std::string summary = program.Summary;
    summary[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(summary[0])));
    out += ".nh\n.ad l\n.SH NAME\n" + esc(program.Name) + " \\- " + esc(summary) + "\n";
    out += ".SH SYNOPSIS\n" + roffSynopsis(program.Name, program.Synopsis);
    out += ".SH DESCRIPTION\n" + roffParagraphs(description);
    out += ".SH OPTIONS\n" + roffOptions(program.Options);
    if (!program.VerbCommon.empty())
        out += ".PP\nEvery verb takes these too:\n.RS 4\n" + roffOptions(program.VerbCommon) + ".RE\n";
    if (!program.Verbs.empty()) out += ".SH COMMANDS\n";
    for (const VerbSpec& v : program.Verbs) out += roffVerb(program, v);
    if (program.ExitStatus) out += ".SH \"EXIT STATUS\"\n" + esc(program.ExitStatus) + "\n";
    if (program.Environment) out += ".SH ENVIRONMENT\n" + roffParagraphs(program.Environment);
    if (program.Files) out += ".SH FILES\n" + roffParagraphs(program.Files);
    out += roffExamples(program);
    if (program.SeeAlso) {
        std::string see = program.SeeAlso;
        const size_t paren = see.find('(');
        out += ".SH \"SEE ALSO\"\n.BR " + esc(see.substr(0, paren)) + " " + see.substr(paren) + "\n";
    }
    return out;
}

} // namespace

// ---------------------------------------------------------------------------
// bash completion

namespace {

// "*.sdf" as a pattern of either letter case: "*.[sS][dD][fF]".
std::string anyCase(const char* pattern) {
    std::string out;
    for (const char* p = pattern; *p; ++p) {
        const unsigned char c = static_cast<unsigned char>(*p);
        if (std::isalpha(c))
            out += std::string("[") + static_cast<char>(std::tolower(c)) + static_cast<char>(std::toupper(c)) + "]";
        else out += *p;
    }
    return out;
}

std::string words(const std::vector<std::string>& list, const char* suffix = "") {
    std::string out;
    for (const std::string& w : list) out += (out.empty() ? "" : " ") + w + suffix;
    return out;
}

// The shell's answer for a value of this kind.
std::string offer(ValueKind kind, const char* pattern, const std::string& wordList) {
    switch (kind) {
    case ValueKind::Words: return "_sdftool_words '" + wordList + "'";
    case ValueKind::Directory: return "_sdftool_files -d";
    case ValueKind::File: return pattern ? "_sdftool_files '" + anyCase(pattern) + "'" : "_sdftool_files";
    case ValueKind::Text: break;
    }
    return ":";
}

std::string verbCase(const ProgramSpec& program, const VerbSpec& verb) {
    std::vector<OptionSpec> options(verb.Options.begin(), verb.Options.end());
    options.insert(options.end(), program.VerbCommon.begin(), program.VerbCommon.end());
    std::string out = "    " + std::string(verb.Name) + ")\n        case \"$prev\" in\n";
    std::vector<std::string> names;
    for (const OptionSpec& o : options) {
        names.push_back(o.Name);
        if (!o.Value) continue;
        const std::string list = o.Choices ? words(o.Choices(), o.ChoiceSuffix) : "";
        out += "        " + std::string(o.Name) + ") " + offer(o.Kind, o.Pattern, list) + "; return ;;\n";
    }
    out += "        esac\n";
    out += "        if [[ $cur == -* ]]; then _sdftool_words '" + words(names) + "'; return; fi\n";
    out += "        " + offer(verb.Operands, verb.OperandPattern, "") + " ;;\n";
    return out;
}

const char* kHelpers = R"(# bash completion for sdftool, written by the build from the options sdftool
# declares (the same table its --help is printed from).

# Offers the words that begin with the current word; one ending in "=" or
# ":" waits for the rest of its value.
_sdftool_words() {
    local IFS=$' \t\n'
    COMPREPLY=($(compgen -W "$1" -- "$cur"))
    if [[ ${#COMPREPLY[@]} -eq 1 && ${COMPREPLY[0]} == *[=:] ]]; then
        compopt -o nospace 2>/dev/null
    fi
}

# Offers folders, and files matching $1 when it is given; -d: folders only.
_sdftool_files() {
    local IFS=$'\n'
    compopt -o filenames 2>/dev/null
    if [[ $1 == -d ]]; then
        COMPREPLY=($(compgen -d -- "$cur"))
    elif [[ -n $1 ]]; then
        COMPREPLY=($(compgen -d -- "$cur") $(compgen -f -X "!$1" -- "$cur"))
    else
        COMPREPLY=($(compgen -f -- "$cur"))
    fi
}

_sdftool() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
    COMPREPLY=()
    # A value after KEY= or objective: is typed, not offered.
    [[ $prev == [=:] || $cur == [=:] ]] && return
)";

std::string bashCompletion(const ProgramSpec& program) {
    std::vector<std::string> first;
    for (const VerbSpec& v : program.Verbs) first.push_back(v.Name);
    for (const OptionSpec& o : program.Options)
        if (!o.Value) first.push_back(o.Name);
    std::string out = kHelpers;
    out +=
        "    if [[ $COMP_CWORD -eq 1 ]]; then\n        _sdftool_words '" + words(first) + "'\n        return\n    fi\n";
    out += "    case ${COMP_WORDS[1]} in\n";
    for (const VerbSpec& v : program.Verbs) out += verbCase(program, v);
    out += "    esac\n}\n\ncomplete -F _sdftool " + std::string(program.Name) + "\n";
    return out;
}

bool writeFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    out.close();
    if (!out) std::fprintf(stderr, "shipmanuals: cannot write %s\n", path.c_str());
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fputs("Usage: shipmanuals OUT_DIR DESCRIPTION_FILE DATE\n", stderr);
        return 2;
    }
    const std::string dir = std::string(argv[1]) + "/";
    std::ifstream in(argv[2], std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const size_t gap = text.find("\n\n");
    if (!in || gap == std::string::npos) {
        std::fprintf(stderr, "shipmanuals: %s holds no summary and description\n", argv[2]);
        return 1;
    }
    std::string description = text.substr(gap + 2);
    while (!description.empty() && description.back() == '\n') description.pop_back();
    const ProgramSpec& tool = sdftool::Program();
    const bool ok = writeFile(dir + "sdftool.1", manualPage(tool, tool.Description, argv[3])) &&
                    writeFile(dir + "shipdesigner.1", manualPage(DesignerProgram(), description, argv[3])) &&
                    writeFile(dir + "sdftool.bash", bashCompletion(tool));
    return ok ? 0 : 1;
}
