#pragma once
// The main window's menu bar and toolbars as tables: every command with its
// German menu text, its status-bar ("fly-by") text and tool tip, and its
// shortcut; the menu tree; the six toolbars with their buttons.

#include <string>
#include <vector>

struct CommandText {
    int id;
    const char* menuText;  // with '&' accelerator and an optional "\t" key text
    // "fly-by text\ntool tip", as the status bar and the toolbar show it.
    const char* prompt;
    const char* shortcut;  // Qt key sequence ("Ctrl+F"), or nullptr
    bool checkable;
};

// nullptr for an unknown command.
const CommandText* FindCommandText(int id);
const std::vector<CommandText>& AllCommandTexts();
// The status-bar text: the prompt up to "\n".
std::string FlyByText(int id);
// The tool tip: the prompt after "\n", else the menu text without '&',
// "..." and key text.
std::string ToolTipText(int id);

struct MenuItem {
    enum class Kind { Command, Separator, SubMenu, RecentFiles, Aircraft };
    Kind kind = Kind::Command;
    int id = 0;                      // Command
    const char* text = nullptr;      // SubMenu caption
    std::vector<MenuItem> children;  // SubMenu
};

// The menu bar, left to right.
const std::vector<MenuItem>& MainMenuBar();

// The recent-file entries of "&Datei" and the aircraft entries of
// "&Flugzeuge".
constexpr int kFirstRecentFileCommand = 57616;
constexpr int kFirstAircraftCommand = 32808;
constexpr int kMaxAircraftItems = 19;
// The item of an empty aircraft list.
inline constexpr const char* kNoAircraftText = "Fehlt";

struct ToolBarInfo {
    int titleString;           // string number of the title
    int resource;              // toolbar resource number
    int controlId;             // control id (object name "ToolBar<controlId>")
    int toggleCommand;         // the "&Symbolleisten" command that shows or hides it
    bool newRow;               // docked in a new row below the bars before it
    std::vector<int> buttons;  // command ids, 0 = separator
};

// The six toolbars in creation order.
const std::vector<ToolBarInfo>& ToolBars();
