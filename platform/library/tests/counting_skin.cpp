// A stand-in skinning library that counts the calls it receives.
#include <cstring>

namespace {
int initializeCalls = 0;
int loadCalls = 0;
int unloadCalls = 0;
char lastFile[256] = {};
char lastPassword[256] = {};
}  // namespace

extern "C" {
__attribute__((visibility("default"))) int InitializeSkin() { return ++initializeCalls; }
__attribute__((visibility("default"))) int LoadSkinFile(const char* file, const char* password) {
    std::strncpy(lastFile, file ? file : "(null)", sizeof lastFile - 1);
    std::strncpy(lastPassword, password ? password : "(null)", sizeof lastPassword - 1);
    return ++loadCalls;
}
__attribute__((visibility("default"))) int UnLoadSkin() { return ++unloadCalls; }

// For the tests that load it.
__attribute__((visibility("default"))) void SkinCallCounts(int* counts, const char** file,
                                                           const char** password) {
    counts[0] = initializeCalls;
    counts[1] = loadCalls;
    counts[2] = unloadCalls;
    *file = lastFile;
    *password = lastPassword;
}
}
