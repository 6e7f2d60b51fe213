// Which platforms the start-up asks Qt for, which of Qt's messages it takes
// as a platform that could not open, and the line it prints when none did,
// for the environments a sailor may start it in.
#include "app/platform_search.h"
#include "app/tool_name.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Message {
    const char* category;
    const char* text;
    bool ofTheSearch; // what note() must answer
};

struct Environment {
    const char* forced;
    const char* waylandDisplay;
    const char* xDisplay;
    const char* runtimeDir;
    const char* platformsToTry;
    std::vector<Message> messages;
    std::string noWindowLine; // after the name and "no window can be opened: "
};

const Message waylandRefused{WaylandLogCategory, "error in client communication (pid 1)", true};
const Message keyboardNotice{"qt.qpa.xcb", "XKeyboard extension not present on the X server", false};

const Environment environments[] = {
    {"", "", "", "", "xcb", {}, "no display is set; start the tool from a graphical session.\n"},
    {"", "", ":0", "/run/user/1000", "xcb",
     {keyboardNotice, {"qt.qpa.xcb", "could not connect to display :0", true}},
     "no X server answers on display :0; start the tool from a graphical session.\n"},
    {"", "wayland-0", ":0", "/run/user/1000", "wayland;xcb",
     {waylandRefused, {"qt.qpa.xcb", "could not connect to display :0", true}},
     "no Wayland compositor answers on wayland-0 and no X server answers on display :0; start the tool from a "
     "graphical session.\n"},
    // Without its runtime folder a socket named without a path is not tried.
    {"", "wayland-0", "", "", "xcb", {},
     "WAYLAND_DISPLAY is set but XDG_RUNTIME_DIR is not and no X display is set; start the tool from a graphical "
     "session.\n"},
    {"", "/tmp/wayland-test", "", "", "wayland;xcb",
     {{nullptr, "Failed to create wl_display (No such file or directory)", true}},
     "no Wayland compositor answers on /tmp/wayland-test and no X display is set; start the tool from a graphical "
     "session.\n"},
    {"", "wayland-0", ":0", "/run/user/1000", "wayland;xcb",
     {{"qt.qpa.plugin", "Could not find the Qt platform plugin \"wayland\" in \"\"", true},
      {"qt.qpa.xcb", "could not connect to display :0", true}},
     "Qt's Wayland plugin is not installed (package qt6-wayland) and no X server answers on display :0; install "
     "qt6-wayland or start the tool from a graphical session.\n"},
    // A platform the user forces is left to Qt.
    {"wayland", "", ":0", "/run/user/1000", "",
     {{"qt.qpa.plugin", "Could not find the Qt platform plugin \"wayland\" in \"\"", true}},
     "Qt's Wayland plugin is not installed (package qt6-wayland); install qt6-wayland or unset "
     "QT_QPA_PLATFORM=wayland.\n"},
    {"xcb", "", ":1", "", "", {{"qt.qpa.xcb", "could not connect to display :1", true}},
     "no X server answers on display :1; start the tool from a graphical session, or unset QT_QPA_PLATFORM=xcb.\n"},
    {"eglfs", "", "", "", "",
     {{"default", "a message of another kind", false},
      {"qt.qpa.plugin", "Could not find the Qt platform plugin \"eglfs\" in \"\"", true}},
     "Qt has no platform plugin \"eglfs\"; unset QT_QPA_PLATFORM=eglfs.\n"},
};

TEST(PlatformSearch, AsksForWhatTheEnvironmentOffersAndSaysWhyNothingOpened)
{
    for (const Environment& e : environments) {
        const std::string where = std::string("QT_QPA_PLATFORM=") + e.forced + " WAYLAND_DISPLAY=" + e.waylandDisplay
            + " DISPLAY=" + e.xDisplay + " XDG_RUNTIME_DIR=" + e.runtimeDir;
        PlatformSearch search(e.forced, e.waylandDisplay, e.xDisplay, e.runtimeDir);
        EXPECT_EQ(search.platformsToTry().toStdString(), e.platformsToTry) << where;
        bool anyRefused = false;
        for (const Message& message : e.messages) {
            EXPECT_EQ(search.note(message.category, QString::fromUtf8(message.text)), message.ofTheSearch)
                << where << ": " << message.text;
            anyRefused = anyRefused || message.ofTheSearch;
        }
        EXPECT_EQ(search.anyTried(), anyRefused) << where;
        EXPECT_EQ(search.noWindowLine(), std::string(ToolName) + ": no window can be opened: " + e.noWindowLine)
            << where;
    }
}

} // namespace
