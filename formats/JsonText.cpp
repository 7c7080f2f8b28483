#include "formats/JsonText.h"

#include <algorithm>
#include <iterator>

namespace {

using Json = nlohmann::ordered_json;

struct Words {
    const char* parser; // the parser's name for it
    const char* said;   // ours
};

// What the parser wanted next, as the parser names it.
constexpr Words kExpected[] = {
    {"'[', '{', or a literal", "expected a value"},
    {"string literal", "expected a name in double quotes"},
    {"':'", "expected ':' after the name"},
    {"'}'", "expected ',' or '}'"},
    {"']'", "expected ',' or ']'"},
    {"end of input", "expected the end of the file after the value"},
};

// What it met instead.
constexpr Words kUnexpected[] = {
    {"end of input", "the file ends too soon"}, {"string literal", "unexpected text in quotes"},
    {"number literal", "unexpected number"},    {"true literal", "unexpected true"},
    {"false literal", "unexpected false"},      {"null literal", "unexpected null"},
};

// The reader's own complaints about a word of the text, by their start.
constexpr Words kLexer[] = {
    {"invalid literal", "expected a value"},
    {"invalid string: missing closing quote", "a text in quotes has no closing quote"},
    {"invalid string: control character", "a line break or control character inside quotes"},
    {"invalid string: ill-formed UTF-8", "a byte that is not UTF-8 text"},
    {"invalid string: forbidden character after backslash", "an unknown escape after a backslash"},
    {"invalid string: '\\u' must be followed", "'\\u' needs four hex digits"},
    {"invalid string: surrogate", "a broken pair of '\\u' escapes"},
    {"invalid number; expected digit after '-'", "a number needs a digit after '-'"},
    {"invalid number; expected digit after '.'", "a number needs a digit after '.'"},
    {"invalid number; expected digit after exponent", "a number needs a digit in its exponent"},
    {"invalid BOM", "a broken byte order mark"},
    {"invalid comment", "a comment (JSON has none)"},
};

const char* lookUp(const Words* begin, const Words* end, const std::string& text, bool byStart) {
    const auto it = std::find_if(
        begin, end, [&](const Words& w) { return byStart ? text.rfind(w.parser, 0) == 0 : text == w.parser; });
    return it == end ? nullptr : it->said;
}

// "syntax error while parsing object key - unexpected '}'; expected string
// literal" in words. The lexer's part may quote the text read ("last read:
// '...'"), which may hold anything, so the parts are told apart by the
// names the parser uses.
std::string syntaxWords(const std::string& message) {
    const size_t dash = message.find(" - ");
    const std::string what = dash == std::string::npos ? message : message.substr(dash + 3);
    const size_t expectedAt = what.rfind("; expected ");
    if (expectedAt != std::string::npos)
        if (const char* said =
                lookUp(std::begin(kExpected), std::end(kExpected), what.substr(expectedAt + 11), false)) {
            // The end of the file is worth saying; it explains the rest.
            if (what.rfind("unexpected end of input", 0) == 0) return std::string("the file ends too soon; ") + said;
            return said;
        }
    if (what.rfind("unexpected ", 0) == 0) {
        const std::string token =
            what.substr(11, expectedAt == std::string::npos ? std::string::npos : expectedAt - 11);
        const char* said = lookUp(std::begin(kUnexpected), std::end(kUnexpected), token, false);
        return said ? said : "unexpected " + token;
    }
    if (const char* said = lookUp(std::begin(kLexer), std::end(kLexer), what, true)) return said;
    return what.substr(0, what.find("; last read:"));
}

// Line and column of the character the parser stopped at: `byte` counts
// the characters read, that one included. A column counts characters, not
// the bytes of their UTF-8.
std::string placeText(const std::string& text, size_t byte) {
    const size_t stop = std::min(byte == 0 ? 0 : byte - 1, text.size());
    size_t line = 1, column = 1;
    for (size_t i = 0; i < stop; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\n') {
            ++line;
            column = 1;
        } else if ((c & 0xC0) != 0x80) {
            ++column;
        }
    }
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

// The parser's message without its code and its own place: "[json.exception.
// parse_error.101] parse error at line 3, column 7: syntax error ...".
std::string messageOf(const std::exception& e) {
    std::string text = e.what();
    if (text.rfind("[json.exception.", 0) == 0 && text.find("] ") != std::string::npos)
        text = text.substr(text.find("] ") + 2);
    if (text.rfind("parse error", 0) == 0 && text.find(": ") != std::string::npos)
        text = text.substr(text.find(": ") + 2);
    return text;
}

// "scenario.json line 3, column 7: what", each part there when it is known.
std::string told(const std::string& fileName, const std::string& place, const std::string& what) {
    std::string where = fileName;
    if (!place.empty()) where += (where.empty() ? "" : " ") + place;
    return where.empty() ? what : where + ": " + what;
}

} // namespace

std::optional<Json> ParseJson(const std::string& text, const std::string& fileName, std::string& error) {
    if (text.find_first_not_of(" \t\r\n") == std::string::npos) {
        error = told(fileName, "", "the file is empty");
        return std::nullopt;
    }
    try {
        return Json::parse(text);
    } catch (const Json::parse_error& e) {
        error = told(fileName, placeText(text, e.byte), syntaxWords(messageOf(e)));
    } catch (const Json::out_of_range& e) {
        // A number beyond a double: the parser names the number, not its place.
        const std::string message = messageOf(e);
        const size_t quote = message.find('\'');
        error = told(fileName, "",
                     "a number too large for a figure" +
                         (quote == std::string::npos ? std::string() : " (" + message.substr(quote) + ")"));
    } catch (const Json::exception& e) { error = told(fileName, "", messageOf(e)); }
    return std::nullopt;
}
