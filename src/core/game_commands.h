#pragma once
// The File menu's commands that start or end a game. Each first offers to save the running
// game; Cancel leaves everything as it was.

// File > New: a new mission at the skill setting, counted as one change (there is
// something to save).
void NewGameCommand();

// File > End Game: the game goes, and its file's name with it.
void EndGameCommand();

// The running game forgets the name of its file (its folder is kept for the file dialogs), so
// the next Save asks for one: after End Game, and after an Open whose dialog was cancelled.
void ForgetGameFileName();
