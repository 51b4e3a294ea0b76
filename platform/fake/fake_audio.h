#pragma once
// A scripted audio back-end for unit tests: streams are records whose position, length, FFT and
// tags the test sets; every call is logged in order.

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/audio.h"

namespace platform::fake {

struct FakeStream {
    std::string source;  // the URL or path it was made from
    bool isUrl = false;
    int activity = kChannelStopped;
    float volume = 1.0f;
    int64_t position = 0;
    int64_t length = 0;  // -1 for a network stream
    bool hasFft = true;
    std::vector<float> fft = std::vector<float>(1024, 0.0f);
    std::optional<std::string> id3;
    std::optional<std::string> meta;
};

class FakeAudio final : public Audio {
public:
    // Sources that fail to open; every other source opens.
    std::set<std::string> failingSources;
    // Lengths given to streams of a source when they open (default: 10 s for files, -1 for URLs).
    std::map<std::string, int64_t> lengths;
    std::map<std::string, std::string> id3ByPath;
    std::map<StreamHandle, FakeStream> streams;
    std::vector<std::string> calls;  // "createUrl <url>", "free 3", "play 3", ...
    bool initialised = false;

    FakeStream* stream(StreamHandle h) {
        auto it = streams.find(h);
        return it == streams.end() ? nullptr : &it->second;
    }

    bool init(int, int) override {
        calls.push_back("init");
        initialised = true;
        return true;
    }
    StreamHandle streamCreateUrl(const std::string& url) override {
        calls.push_back("createUrl " + url);
        return open(url, true);
    }
    StreamHandle streamCreateFile(const std::string& path) override {
        calls.push_back("createFile " + path);
        return open(path, false);
    }
    bool streamFree(StreamHandle h) override {
        calls.push_back("free " + std::to_string(h));
        return streams.erase(h) > 0;
    }
    bool channelPlay(StreamHandle h, bool restart) override {
        calls.push_back("play " + std::to_string(h) + (restart ? " restart" : ""));
        if (auto* s = stream(h)) {
            s->activity = kChannelPlaying;
            return true;
        }
        return false;
    }
    bool channelPause(StreamHandle h) override {
        calls.push_back("pause " + std::to_string(h));
        if (auto* s = stream(h); s && s->activity != kChannelStopped) {
            s->activity = kChannelPaused;
            return true;
        }
        return false;
    }
    bool channelStop(StreamHandle h) override {
        calls.push_back("stop " + std::to_string(h));
        if (auto* s = stream(h)) {
            s->activity = kChannelStopped;
            return true;
        }
        return false;
    }
    int channelIsActive(StreamHandle h) override {
        auto* s = stream(h);
        return s ? s->activity : kChannelStopped;
    }
    bool channelSetVolume(StreamHandle h, float volume) override {
        if (auto* s = stream(h)) {
            s->volume = volume;
            return true;
        }
        return false;
    }
    bool channelSetPosition(StreamHandle h, int64_t bytes) override {
        calls.push_back("setPosition " + std::to_string(h) + " " + std::to_string(bytes));
        auto* s = stream(h);
        if (!s || bytes < 0 || (s->length >= 0 && bytes >= s->length))
            return false;
        s->position = bytes;
        return true;
    }
    int64_t channelGetPosition(StreamHandle h) override {
        auto* s = stream(h);
        return s ? s->position : -1;
    }
    int64_t channelGetLength(StreamHandle h) override {
        auto* s = stream(h);
        return s ? s->length : -1;
    }
    double channelBytes2Seconds(StreamHandle h, int64_t bytes) override {
        return stream(h) ? static_cast<double>(bytes) / 176400.0 : -1.0;
    }
    int channelGetFft2048(StreamHandle h, float* out) override {
        auto* s = stream(h);
        if (!s || !s->hasFft)
            return -1;
        for (int i = 0; i < 1024; ++i)
            out[i] = s->fft[static_cast<size_t>(i)];
        return 4096;
    }
    std::optional<std::string> channelGetId3v1(StreamHandle h) override {
        auto* s = stream(h);
        return s ? s->id3 : std::nullopt;
    }
    std::optional<std::string> channelGetMeta(StreamHandle h) override {
        auto* s = stream(h);
        return s ? s->meta : std::nullopt;
    }

private:
    StreamHandle open(const std::string& source, bool isUrl) {
        if (failingSources.count(source) || source.empty())
            return 0;
        FakeStream s;
        s.source = source;
        s.isUrl = isUrl;
        auto len = lengths.find(source);
        s.length = len != lengths.end() ? len->second : (isUrl ? -1 : 176400 * 10);
        if (auto id3 = id3ByPath.find(source); id3 != id3ByPath.end())
            s.id3 = id3->second;
        const StreamHandle h = next_++;
        streams[h] = s;
        return h;
    }
    StreamHandle next_ = 1;
};

}  // namespace platform::fake
