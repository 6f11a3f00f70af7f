#pragma once
// The "PAUSE GAME" popup: while it is up nothing on the bridge runs; a typed character or a
// left click ends the pause.

class FrameMenus;
class QWidget;

void ShowPauseWindow(QWidget* frame, FrameMenus& menus);
