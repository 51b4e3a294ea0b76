#include "platform/audio/tests/fixtures.h"

#include <cmath>
#include <cstdint>
#include <fstream>
#include <numbers>
#include <fcntl.h>
#include <spawn.h>
#include <csignal>
#include <sys/wait.h>

extern char** environ;

namespace audio_test {
namespace {

void put16(std::ofstream& f, uint16_t v) {
    const char b[2] = {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
    f.write(b, 2);
}
void put32(std::ofstream& f, uint32_t v) {
    put16(f, static_cast<uint16_t>(v & 0xFFFF));
    put16(f, static_cast<uint16_t>(v >> 16));
}

}  // namespace

void writeWav(const std::string& path, const Tone& t) {
    std::ofstream f(path, std::ios::binary);
    const uint32_t data = static_cast<uint32_t>(t.frames * t.channels * 2);
    f.write("RIFF", 4);
    put32(f, 36 + data);
    f.write("WAVEfmt ", 8);
    put32(f, 16);
    put16(f, 1);
    put16(f, static_cast<uint16_t>(t.channels));
    put32(f, static_cast<uint32_t>(t.rate));
    put32(f, static_cast<uint32_t>(t.rate * t.channels * 2));
    put16(f, static_cast<uint16_t>(t.channels * 2));
    put16(f, 16);
    f.write("data", 4);
    put32(f, data);
    for (long i = 0; i < t.frames; ++i) {
        const double hz = t.switchAt >= 0 && i >= t.switchAt ? t.secondFrequency : t.frequency;
        const double v = t.amplitude * std::sin(2.0 * std::numbers::pi * hz * i / t.rate);
        for (int c = 0; c < t.channels; ++c)
            put16(f, static_cast<uint16_t>(static_cast<int16_t>(std::lround(v * 32767.0))));
    }
}

int run(const std::vector<std::string>& argv) {
    std::vector<char*> args;
    for (const auto& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int rc = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0)
        return -1;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

bool encodeMp3(const std::string& wav, const std::string& mp3, std::vector<std::string> args) {
    std::vector<std::string> argv{"lame", "--quiet", "-b", "128"};
    argv.insert(argv.end(), args.begin(), args.end());
    argv.push_back(wav);
    argv.push_back(mp3);
    return run(argv) == 0;
}

Background::Background(const std::vector<std::string>& argv, const std::string& log,
                       const std::vector<std::string>& environment) {
    std::vector<char*> args;
    for (const auto& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    std::vector<char*> env;
    for (char** e = environ; *e; ++e)
        env.push_back(*e);
    for (const auto& e : environment)
        env.push_back(const_cast<char*>(e.c_str()));
    env.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    pid_t pid = 0;
    if (posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), env.data()) == 0)
        pid_ = pid;
    posix_spawn_file_actions_destroy(&actions);
}

void Background::kill() {
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = 0;
    }
}

}  // namespace audio_test
