// Reading the string tables of the resource scripts (string_tables.h). The
// scripts are Windows-1252, as the program's texts are; a string is written
// on one line, with "" for a quote and \n, \r, \t for control characters.
#include "tests/unit/string_tables.h"

#include <fstream>
#include <iterator>
#include <regex>

namespace {

std::string ReadSourceFile(const std::string& path) {
    std::ifstream file(std::string(WORDLOFT_SOURCE_DIR) + "/" + path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::map<std::string, int> StringIds() {
    std::map<std::string, int> ids;
    const std::string header = ReadSourceFile("resources/resource.h");
    const std::regex define(R"(#define\s+(IDS_\w+)\s+(\d+))");
    for (std::sregex_iterator m(header.begin(), header.end(), define), end; m != end; ++m)
        ids[(*m)[1]] = std::stoi((*m)[2]);
    return ids;
}

std::string Unescaped(const std::string& quoted) {
    std::string text;
    for (size_t i = 0; i < quoted.size(); ++i) {
        const char c = quoted[i];
        if (c == '"' && i + 1 < quoted.size() && quoted[i + 1] == '"') {
            text += '"';
            ++i;
        } else if (c == '\\' && i + 1 < quoted.size()) {
            const char e = quoted[++i];
            text += e == 'n' ? '\n' : e == 'r' ? '\r' : e == 't' ? '\t' : e;
        } else {
            text += c;
        }
    }
    return text;
}

std::map<int, std::string> ReadStringTable(Language language) {
    static const char* const kCodes[kLanguageCount] = {"en", "de", "fr", "es"};
    static const std::map<std::string, int> ids = StringIds();
    const std::string script = ReadSourceFile(std::string("resources/lang/") + kCodes[language] + ".rc");
    std::map<int, std::string> table;
    const std::regex entry(R"re(^\s*(IDS_\w+|\d+)\s+"((?:[^"]|"")*)"\s*$)re", std::regex::multiline);
    for (std::sregex_iterator m(script.begin(), script.end(), entry), end; m != end; ++m) {
        const std::string name = (*m)[1];
        const auto id = ids.find(name);
        if (id != ids.end()) table[id->second] = Unescaped((*m)[2]);
        if (name[0] >= '0' && name[0] <= '9') table[std::stoi(name)] = Unescaped((*m)[2]);
    }
    return table;
}

}  // namespace

const std::map<int, std::string>& StringTable(Language language) {
    static std::map<int, std::string> tables[kLanguageCount];
    static bool read[kLanguageCount] = {};
    if (!read[language]) {
        tables[language] = ReadStringTable(language);
        read[language] = true;
    }
    return tables[language];
}
