#pragma once
// Fakes of the window's ports and of page downloads for the web features' tests.

#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "platform/fake/fake_audio.h"
#include "platform/fake/fake_files.h"
#include "platform/fake/fake_system.h"
#include "platform/net/downloader.h"
#include "platform/net/tcp.h"
#include "player/web/web_ports.h"

namespace webtest {

class FakeList final : public player::MainList {
public:
    std::vector<std::string> rows;
    int selected = -1;
    void clear() override { rows.clear(); selected = -1; }
    void addRow(const std::string& text) override { rows.push_back(text); }
    int rowCount() override { return static_cast<int>(rows.size()); }
    void select(int row) override { selected = row >= 0 && row < rowCount() ? row : -1; }
    int selection() override { return selected; }
    std::string rowText(int row) override {
        if (row < 0 || row >= rowCount())
            return {};
        const std::string& text = rows[static_cast<size_t>(row)];
        return text.substr(0, text.find('\n'));
    }
};

class FakeViews final : public player::Views {
public:
    std::map<int, common::Picture> pictures;
    std::map<int, std::string> texts;
    std::vector<std::pair<int, std::string>> navigations;
    void showPicture(int control, const common::Picture& picture) override { pictures[control] = picture; }
    void setText(int control, const std::string& text) override { texts[control] = text; }
    void navigate(int control, const std::string& address) override { navigations.emplace_back(control, address); }
};

// Tasks posted from any thread, run when the test says so (as the event loop would).
class FakeUi final : public player::UiThread {
public:
    void post(std::function<void()> task) override {
        std::lock_guard lock(mutex_);
        tasks_.push_back(std::move(task));
    }
    int runPending() {
        std::deque<std::function<void()>> tasks;
        {
            std::lock_guard lock(mutex_);
            tasks.swap(tasks_);
        }
        for (auto& t : tasks)
            t();
        return static_cast<int>(tasks.size());
    }

private:
    std::mutex mutex_;
    std::deque<std::function<void()>> tasks_;
};

// Serves fixed answers by address into the fake file system; an address without an answer
// fails and leaves the file as it was.
class FakeDownloader final : public platform::net::Downloader {
public:
    explicit FakeDownloader(platform::fake::FakeFiles& files) : files_(files) {}
    std::map<std::string, std::string> answers;
    std::vector<std::pair<std::string, std::string>> requests;  // url, path
    std::function<void()> beforeAnswer;                         // runs inside each download

    bool downloadToFile(const std::string& url, const std::string& path) override {
        {
            std::lock_guard lock(mutex_);
            requests.emplace_back(url, path);
        }
        if (beforeAnswer)
            beforeAnswer();
        auto it = answers.find(url);
        if (it == answers.end())
            return false;
        return files_.writeFile(path, it->second);
    }
    std::vector<std::pair<std::string, std::string>> requestsSoFar() {
        std::lock_guard lock(mutex_);
        return requests;
    }

private:
    platform::fake::FakeFiles& files_;
    std::mutex mutex_;
};

// A connection that answers with scripted pieces, then closes or stays silent.
class ScriptedConnection final : public platform::net::TcpConnection {
public:
    std::deque<std::string> pieces;
    bool silentAtEnd = false;  // time out instead of closing once the pieces are gone
    std::string* sent = nullptr;  // outlives the connection
    bool sendAll(std::string_view bytes, platform::net::Milliseconds) override {
        *sent += bytes;
        return true;
    }
    platform::net::Received receive(size_t maxBytes, platform::net::Milliseconds) override {
        if (pieces.empty())
            return {silentAtEnd ? platform::net::Received::TimedOut : platform::net::Received::Closed, {}};
        std::string& front = pieces.front();
        std::string out = front.substr(0, maxBytes);
        front.erase(0, out.size());
        if (front.empty())
            pieces.pop_front();
        if (out.empty())
            return receive(maxBytes, {});
        return {platform::net::Received::Data, out};
    }
};

class ScriptedConnector final : public platform::net::TcpConnector {
public:
    std::deque<std::string> pieces;
    bool silentAtEnd = false;
    bool refuse = false;
    std::vector<std::string> connects;  // "host:port"
    std::string sent;  // everything sent on the last connection
    std::unique_ptr<platform::net::TcpConnection> connect(const std::string& host, int port,
                                                          platform::net::Milliseconds) override {
        connects.push_back(host + ":" + std::to_string(port));
        if (refuse)
            return nullptr;
        auto c = std::make_unique<ScriptedConnection>();
        c->pieces = pieces;
        c->silentAtEnd = silentAtEnd;
        sent.clear();
        c->sent = &sent;
        return c;
    }
};

// Everything a web feature needs, wired to fakes.
struct Rig {
    player::PlayerState state;
    FakeList list;
    FakeViews views;
    FakeUi ui;
    platform::fake::FakeAudio audio;
    platform::fake::FakeFiles files;
    platform::fake::FakeSystem system;
    FakeDownloader downloader{files};
    ScriptedConnector connector;
    web::WebConfig config;
    web::WebPorts ports{state, list, views, ui, audio, files, system, downloader, connector, config};

    Rig() {
        system.tempFolder = "/tmp/";
        files.addFolder("/tmp");
        files.addFolder("/work");
        files.currentDirectory = "/work";
        config.hosts = {"login.test", "web.test", "images.test", "radio.test"};
        config.audioMediaHost = "cs*.media.test";
        config.videoMediaHost = "*.media.test";
        ports.config = config;
    }
};

}  // namespace webtest
