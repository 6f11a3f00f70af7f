#pragma once
// A communiqué from Starfleet in a plain modal window: the text in a fixed face, closed by
// a key or a click.

#include <string>

class QWidget;

void ShowPlainCommunique(QWidget* frame, const std::string& text);
