#include "sfx/container/entry_names.h"

#include <vector>

#include "platform/names.h"
#include "platform/text/codepage.h"

namespace sfx {
namespace {

// Letter case of code page 1251: Latin and Cyrillic letters (Ё/ё sit apart from the rest).
unsigned char lower1251(unsigned char c) {
    if (c >= 'A' && c <= 'Z')
        return static_cast<unsigned char>(c + 32);
    if (c >= 0xC0 && c <= 0xDF)
        return static_cast<unsigned char>(c + 32);
    if (c == 0xA8)
        return 0xB8;
    return c;
}

bool startsWithIgnoringCase(const std::string& text, const std::string& prefix) {
    if (prefix.size() > text.size())
        return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        const unsigned char a = lower1251(static_cast<unsigned char>(text[i]));
        const unsigned char b = lower1251(static_cast<unsigned char>(prefix[i]));
        // The source folder may be written with either separator.
        if (a != b && !(platform::isSeparator(text[i]) && platform::isSeparator(prefix[i])))
            return false;
    }
    return true;
}

}  // namespace

std::string relativeEntryPath(const std::string& fullPath, const std::string& sourceFolder) {
    // Only the leading occurrence: on Linux the folder's path can occur again further down
    // (/a/ inside /a/x/a/y), where removing it would change the entry's name.
    if (!sourceFolder.empty() && startsWithIgnoringCase(fullPath, sourceFolder))
        return fullPath.substr(sourceFolder.size());
    return fullPath;
}

std::string storedEntryName(const std::string& relativePath1251) {
    std::string name = platform::cp1251ToCp866(relativePath1251);
    for (char& c : name)
        if (c == '\\')
            c = '/';
    return name;
}

InstallName installNameFor(const std::string& storedName866) {
    std::string name = platform::cp866ToCp1251(storedName866);
    for (char& c : name)
        if (c == '\\')
            c = '/';
    InstallName result;
    result.isFolder = !name.empty() && name.back() == '/';
    // A drive is dropped, as the installer always did; the name is then relative.
    if (const size_t drive = name.find(":/"); drive != std::string::npos) {
        name.erase(0, drive + 2);
        result.hostile = true;
    }
    if (!name.empty() && name[0] == '/')
        result.hostile = true;
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= name.size()) {
        size_t end = name.find('/', start);
        if (end == std::string::npos)
            end = name.size();
        const std::string part = name.substr(start, end - start);
        if (part == "..") {
            result.hostile = true;
            result.refused = true;
            return result;
        }
        if (!part.empty() && part != ".")
            parts.push_back(part);
        start = end + 1;
    }
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i)
            result.path += '/';
        result.path += parts[i];
    }
    if (result.path.empty())
        result.refused = true;
    return result;
}

}  // namespace sfx
