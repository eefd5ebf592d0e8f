// The designer run as a program of its own and driven from outside, as a user drives it:
// posted mouse and key input, its menu commands and its text commands.
#pragma once

#include "designer/commands.h"

#include <windows.h>

#include <string>
#include <vector>

// One window on the design surface as another process sees it.
struct SeenComponent {
    std::string ClassName;
    std::string Text;
    RECT Bounds; // in the surface's client area
    DWORD Style;
    DWORD ExStyle;
    int Id;

    bool operator==(const SeenComponent& Other) const;
};
std::string Describe(const SeenComponent& Component);

class DesignerProcess {
public:
    // Starts the designer with its messages going to LogPath; false when no window came.
    bool Start(const std::string& Arguments);
    // Closes the designer and answers its exit code.
    DWORD Close();
    // Runs the designer to its end and answers the exit code (for runs that end by themselves).
    static DWORD RunToEnd(const std::string& Arguments);

    // Posts a menu or palette command.
    void Command(int Id);
    // Sends a text command ("open PATH", ...) and answers whether it was done.
    bool TextCommand(const std::string& Line);
    // Posts a press at From, a move to To and a release there (surface coordinates).
    void Drag(POINT From, POINT To);
    void Click(POINT At) { Drag(At, At); }
    void Key(WPARAM VirtualKey);
    // Writes the property row (PropertyList::Row) and posts Apply.
    void SetProperty(int Row, const std::string& Value);
    std::string Property(int Row);
    // Waits until everything posted so far has been handled.
    void Sync();

    // The components on the surface, top of the z-order first.
    std::vector<SeenComponent> Components();
    HWND Main() const { return MainWindow; }
    HWND Surface() const { return SurfaceWindow; }

private:
    PROCESS_INFORMATION Process{};
    HWND MainWindow = nullptr;
    HWND SurfaceWindow = nullptr;
    int SyncCount = 0;
};

std::string WindowText(HWND Window);
