#pragma once
// The help texts of dialog controls: short German explanations keyed by
// "dialog.control", shown when the user asks for help on a control (F1,
// Shift+F1 or the "?" button of the title bar).

#include <string_view>

// The text of a key; an empty text for an unknown key.
const char* ContextHelp(std::string_view key);
