#pragma once
// Libraries for unit tests: a table of named entry points per library file.

#include <map>
#include <string>
#include <vector>

#include "platform/library/library.h"

namespace platform::fake {

class FakeLibraryLoader final : public LibraryLoader {
public:
    // Library file name -> entry name -> address.
    std::map<std::string, std::map<std::string, void*>> libraries;
    std::vector<std::string> loadRequests;

    std::unique_ptr<Library> load(const std::string& fileName) override {
        loadRequests.push_back(fileName);
        auto it = libraries.find(fileName);
        if (it == libraries.end())
            return nullptr;
        return std::make_unique<Entries>(it->second);
    }

private:
    class Entries final : public Library {
    public:
        explicit Entries(std::map<std::string, void*> entries) : entries_(std::move(entries)) {}
        void* entry(const std::string& name) override {
            auto it = entries_.find(name);
            return it == entries_.end() ? nullptr : it->second;
        }

    private:
        std::map<std::string, void*> entries_;
    };
};

}  // namespace platform::fake
