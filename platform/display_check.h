#pragma once
// Whether the window can open at all, asked before Qt is started: Qt ends
// the process when it finds no display, with a message meant for people
// who install it, not for someone who ran the program on a server.
namespace anglewise {

/// False when Qt would find no display: the X platform (Qt's default here)
/// with no X server reachable and no Wayland display named. Another
/// platform chosen by QT_QPA_PLATFORM or -platform is left to Qt.
bool displayReachable(int argc, char** argv);

}  // namespace anglewise
