#pragma once
// A program's command line declared once: its verbs, their options, values
// and accepted words. The programs print their usage from it, the parser of
// sdftool reads it, and the build writes the manual pages and the shell
// completion from it, so none of them can say something the others do not.
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// What a value or an operand is, so that the shell can offer it.
enum class ValueKind {
    Text,      // anything; nothing to offer
    Words,     // one of the option's choices
    Directory, // a folder
    File,      // a file, matching the pattern when there is one
};

struct OptionSpec {
    const char* Name;  // "--range"
    const char* Value; // "YARDS"; nullptr for a flag
    // What it does. "{choices}" stands for the accepted words ("a, b or c").
    const char* Help;
    ValueKind Kind = ValueKind::Text;
    const char* Pattern = nullptr; // File: "*.png"
    // Words: the accepted values, from the table that defines them.
    std::vector<std::string> (*Choices)() = nullptr;
    // Typed after a chosen word before the rest of the value ("=" of KEY=FROM:TO).
    const char* ChoiceSuffix = "";
};

struct ExampleSpec {
    const char* Command; // after the program's name
    const char* Says;    // what it does
};

struct VerbSpec {
    const char* Name;
    // What follows "PROGRAM VERB": one line per form of the command.
    const char* Synopsis;
    const char* Summary; // a line for the list of verbs
    // Paragraphs with a blank line between; a paragraph whose lines begin
    // with two blanks is kept as it is written.
    const char* Description;
    std::span<const OptionSpec> Options;
    ValueKind Operands = ValueKind::Text;
    const char* OperandPattern = nullptr; // "*.sdf"
    const char* Notes = nullptr;          // after the options
    const char* ExitStatus = nullptr;     // "0 done, 1 ..., 2 usage error."
    std::span<const ExampleSpec> Examples = {};
};

struct ProgramSpec {
    const char* Name;
    const char* Summary;  // what the program is, one line
    const char* Synopsis; // after the name, one line per form
    const char* Description;
    std::span<const OptionSpec> Options;         // the program's own
    std::span<const VerbSpec> Verbs = {};        // none for a program without verbs
    std::span<const OptionSpec> VerbCommon = {}; // every verb takes these too
    const char* ExitStatus = nullptr;
    const char* Files = nullptr;
    const char* Environment = nullptr;
    std::span<const ExampleSpec> Examples = {};
    const char* SeeAlso = nullptr; // "sdftool(1)"
};

// "a, b or c" of the option's choices.
std::string ChoicesText(const OptionSpec& option);
// The help with "{choices}" filled in.
std::string OptionHelp(const OptionSpec& option);
const VerbSpec* FindVerb(const ProgramSpec& program, std::string_view name);
const OptionSpec* FindOption(std::span<const OptionSpec> options, std::string_view name);

// The texts "--help" prints: the program's, and one verb's.
std::string ProgramUsage(const ProgramSpec& program);
std::string VerbUsage(const ProgramSpec& program, const VerbSpec& verb);

// Text broken into lines of at most `width` characters (UTF-8) where it can
// be, the first line beginning at column `start`, the others indented by
// `indent` blanks; no trailing newline.
std::string WrapText(std::string_view text, size_t width, size_t indent = 0, size_t start = 0);

// The parts of a help text between blank lines.
std::vector<std::string_view> Paragraphs(std::string_view text);

} // namespace platform
