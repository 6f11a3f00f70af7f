#pragma once
// The About popup: the starship's portrait and the game's version and credits, until the
// player types a character or clicks.

class QWidget;

void ShowAboutBox(QWidget* frame);
