#pragma once
// Commands of the text views.

// "Schriften...": changes the face and size of all text views.
constexpr int kFontCommand = 32893;
// Commands that act on the active view; the main window routes them to the
// active TextViewWidget's Print(), PrintPreview() and CopyToClipboard().
constexpr int kPrintCommand = 57607;         // "&Drucken...", Ctrl+P
constexpr int kPrintPreviewCommand = 57609;  // "Seiten&ansicht"
constexpr int kCopyCommand = 57634;          // "&Kopieren", Ctrl+C
constexpr int kPrintSetupCommand = 57606;    // "Drucker&einrichtung..."

// Registers the font dialog and the printer set-up with the program's
// command registry.
void RegisterTextViewCommands();
