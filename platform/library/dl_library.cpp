#include <dlfcn.h>

#include "platform/library/library.h"

namespace platform {
namespace {

class DlLibrary final : public Library {
public:
    explicit DlLibrary(void* handle) : handle_(handle) {}
    // Kept loaded to the end of the process, as the runtime releases every library only then;
    // unloading earlier would leave dangling entry addresses in the caller's hands.
    ~DlLibrary() override = default;
    void* entry(const std::string& name) override { return dlsym(handle_, name.c_str()); }

private:
    void* handle_;
};

class DlLoader final : public LibraryLoader {
public:
    std::unique_ptr<Library> load(const std::string& fileName) override {
        void* handle = dlopen(fileName.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!handle)
            return nullptr;
        return std::make_unique<DlLibrary>(handle);
    }
};

}  // namespace

std::unique_ptr<LibraryLoader> nativeLibraryLoader() { return std::make_unique<DlLoader>(); }

}  // namespace platform
