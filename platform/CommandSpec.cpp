#include "platform/CommandSpec.h"

#include "platform/Encoding.h"

namespace platform {

namespace {

constexpr size_t kWidth = 79;      // a terminal of 80 columns
constexpr size_t kHelpColumn = 25; // where an option's help begins
constexpr size_t kVerbColumn = 23; // where a verb's summary begins

// Paragraphs wrapped to the width; those written indented stay as they are.
std::string flowText(std::string_view text) {
    std::string out;
    for (std::string_view p : Paragraphs(text)) {
        if (!out.empty()) out += "\n";
        out += p.starts_with("  ") ? std::string(p) : WrapText(p, kWidth);
        out += "\n";
    }
    return out;
}

std::string optionLines(std::span<const OptionSpec> options) {
    std::string out;
    for (const OptionSpec& o : options) {
        std::string head = std::string("  ") + o.Name + (o.Value ? std::string(" ") + o.Value : "");
        if (head.size() + 1 >= kHelpColumn) head += "\n" + std::string(kHelpColumn, ' ');
        else head += std::string(kHelpColumn - head.size(), ' ');
        out += head + WrapText(OptionHelp(o), kWidth, kHelpColumn, kHelpColumn) + "\n";
    }
    return out;
}

std::string synopsisLines(const std::string& prefix, std::string_view synopsis) {
    std::string out;
    bool first = true;
    while (true) {
        const size_t nl = synopsis.find('\n');
        out += (first ? "Usage: " : "       ") + prefix + std::string(synopsis.substr(0, nl)) + "\n";
        first = false;
        if (nl == std::string_view::npos) break;
        synopsis.remove_prefix(nl + 1);
    }
    return out;
}

std::string firstLine(std::string_view text) { return std::string(text.substr(0, text.find('\n'))); }

// A verb's synopsis in the program's list, without the options every verb takes.
std::string withoutCommon(const ProgramSpec& program, std::string synopsis) {
    for (const OptionSpec& o : program.VerbCommon) {
        const std::string shown = std::string("[") + o.Name + (o.Value ? std::string(" ") + o.Value : "") + "]";
        for (const std::string& text : {shown + " ", " " + shown, shown})
            for (size_t at; (at = synopsis.find(text)) != std::string::npos;) synopsis.erase(at, text.size());
    }
    return synopsis;
}

} // namespace

std::vector<std::string_view> Paragraphs(std::string_view text) {
    std::vector<std::string_view> out;
    while (!text.empty()) {
        const size_t gap = text.find("\n\n");
        out.push_back(text.substr(0, gap));
        if (gap == std::string_view::npos) break;
        text.remove_prefix(gap + 2);
    }
    return out;
}

std::string WrapText(std::string_view text, size_t width, size_t indent, size_t start) {
    std::string out;
    size_t column = start;
    bool lineEmpty = true;
    size_t at = 0;
    while (at < text.size()) {
        const size_t end = text.find_first_of(" \n", at);
        const std::string_view word = text.substr(at, end == std::string_view::npos ? end : end - at);
        at = end == std::string_view::npos ? text.size() : end + 1;
        if (word.empty()) continue;
        const size_t n = utf8Length(word);
        if (!lineEmpty && column + 1 + n > width) {
            out += "\n" + std::string(indent, ' ');
            column = indent;
            lineEmpty = true;
        }
        if (!lineEmpty) {
            out += ' ';
            ++column;
        }
        out += word;
        column += n;
        lineEmpty = false;
    }
    return out;
}

std::string ChoicesText(const OptionSpec& option) {
    if (!option.Choices) return {};
    const std::vector<std::string> words = option.Choices();
    std::string text;
    for (size_t i = 0; i < words.size(); ++i) {
        if (i > 0) text += i + 1 == words.size() ? " or " : ", ";
        text += words[i];
    }
    return text;
}

std::string OptionHelp(const OptionSpec& option) {
    std::string help = option.Help;
    const size_t at = help.find("{choices}");
    if (at != std::string::npos) help.replace(at, 9, ChoicesText(option));
    return help;
}

const VerbSpec* FindVerb(const ProgramSpec& program, std::string_view name) {
    for (const VerbSpec& v : program.Verbs)
        if (name == v.Name) return &v;
    return nullptr;
}

const OptionSpec* FindOption(std::span<const OptionSpec> options, std::string_view name) {
    for (const OptionSpec& o : options)
        if (name == o.Name) return &o;
    return nullptr;
}

std::string ProgramUsage(const ProgramSpec& program) {
    std::string out = synopsisLines(std::string(program.Name) + " ", program.Synopsis);
    out += "\n" + WrapText(program.Summary, kWidth) + "\n";
    if (!program.Verbs.empty()) out += "\nVerbs:\n";
    for (const VerbSpec& v : program.Verbs) {
        std::string head = std::string("  ") + v.Name + " " + withoutCommon(program, firstLine(v.Synopsis));
        if (head.size() + 1 >= kVerbColumn) head += "\n" + std::string(kVerbColumn, ' ');
        else head += std::string(kVerbColumn - head.size(), ' ');
        out += head + WrapText(v.Summary, kWidth, kVerbColumn, kVerbColumn) + "\n";
    }
    // The verbs' common options first, as they are the ones given most.
    std::vector<OptionSpec> options;
    for (const OptionSpec& o : program.VerbCommon)
        if (!FindOption(program.Options, o.Name)) options.push_back(o);
    options.insert(options.end(), program.Options.begin(), program.Options.end());
    out += "\nOptions:\n" + optionLines(options);
    if (program.ExitStatus) out += "\n" + WrapText(std::string("Exit status: ") + program.ExitStatus, kWidth) + "\n";
    return out;
}

std::string VerbUsage(const ProgramSpec& program, const VerbSpec& verb) {
    std::string out = synopsisLines(std::string(program.Name) + " " + verb.Name + " ", verb.Synopsis);
    out += "\n" + flowText(verb.Description);
    std::vector<OptionSpec> options(verb.Options.begin(), verb.Options.end());
    options.insert(options.end(), program.VerbCommon.begin(), program.VerbCommon.end());
    out += "\nOptions:\n" + optionLines(options) + "\n";
    if (verb.Notes) out += flowText(verb.Notes);
    if (verb.ExitStatus) out += WrapText(std::string("Exit status: ") + verb.ExitStatus, kWidth) + "\n";
    return out;
}

} // namespace platform
