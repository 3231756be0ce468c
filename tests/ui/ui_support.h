// Helpers of the window tests: a configuration folder of their own, messages recorded
// instead of shown, and a started main window.
#pragma once

#include "platform/message_box.h"
#include "support/temp_folder.h"
#include "ui/main/frm_main.h"

#include <QtTest>

#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace varnex::test {

// Records every message box the windows would show.
class MessageLog {
public:
    MessageLog() {
        platform::setMessageRecorderForTesting([this](const Message& m) { messages.push_back(m); });
    }
    ~MessageLog() { platform::setMessageRecorderForTesting({}); }
    std::vector<Message> messages;
};

// A main window started in a fresh configuration folder ($XDG_CONFIG_HOME).
class Started {
public:
    Started() { qputenv("XDG_CONFIG_HOME", config.path().string().c_str()); }

    // Writes a settings file before the start.
    void writeSettings(const std::string& content) {
        std::filesystem::create_directories(config / "Ostrel");
        std::ofstream(config / "Ostrel/varnex.usr", std::ios::binary) << content;
    }
    std::filesystem::path settingsPath() const { return config / "Ostrel/varnex.usr"; }

    frmMain& start() {
        window = std::make_unique<frmMain>();
        if (!window->Form_Load()) throw std::runtime_error("start-up failed");
        return *window;
    }

    TempFolder config;
    MessageLog log;
    std::unique_ptr<frmMain> window;
};

}  // namespace varnex::test
