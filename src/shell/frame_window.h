#pragma once
// The frame: the program's main window, holding the bridge's MDI area and the two menus. It
// turns every menu command and accelerator into a call on the game and passes the commands
// it does not handle to the active station.

#include <QMainWindow>
#include <QPointer>
#include <optional>
#include <set>

#include "core/game_state.h"

#include "shell/frame_menus.h"

class BridgeBackground;
class BridgeReplay;

class FrameWindow : public QMainWindow {
  Q_OBJECT
 public:
  FrameWindow();

  // Carries out menu command `id` (a menu click, an accelerator or a station's request).
  void Command(int id);

  // Opens the saved game `path` handed in from outside (the command line, or a later start of
  // the program): once control is back in the main loop, outside every action and dialog, it
  // asks to save the running game, then loads the file as File > Open does.
  void OpenFromOutside(const QString& path);
  // Replays the journal `path` handed in from the command line: once control is back in the
  // main loop, it asks to save the running game, then plays the journal as File > Replay
  // Mission does once a journal is chosen.
  void ReplayFromOutside(const QString& path);
  // The replay playing on the bridge, or null.
  BridgeReplay* Replay() const;

  BridgeBackground& Backdrop() const { return *bridge_; }
  FrameMenus& Menus() const { return *menus_; }

  // Opens the game's stations and switches to the game menu.
  void OpenStationWindows();
  // Closes the stations, puts the idle menu back and repaints the empty bridge.
  void CloseStationWindows();

  // The end of the program, after the main loop has returned: the sound, the settings and
  // a running game go, then the shared pictures.
  void ShutDown();

 protected:
  void closeEvent(QCloseEvent* event) override;
  // Keeps the menus shut while an action runs, and sees the game's other windows go.
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void AddAccelerators();
  void AddStationKeys();
  void AddMenuKey();
  // The menus open by click, Alt and a letter or F10 only while no action runs.
  bool MenusMayOpen() const;
  // Gives the frame the keyboard back once the game's other windows have gone.
  void TakeKeyboard();
  void CheckOptionItems();
  void ChooseSkill(SkillLevel level);
  void ChooseBridgeSize(int size);
  void ToggleOption(int& option, int command);
  void Exit();
  void ArrangeIcons();
  void ListStationsInWindowMenu();
  void ForwardToActiveStation(int id);
  // Keeps command `id` until control is back in the main loop, once however often it comes.
  void Hold(int id);
  // File > Replay Mission (after the save prompt): choose a journal and replay it.
  void ReplayMissionCommand();
  void StartReplay(const QString& path);

  BridgeBackground* bridge_;
  FrameMenus* menus_;
  std::optional<int> soundsChoiceWithoutSpeakers_;
  std::set<int> heldCommands_;  // held until the running action is over, each once
  QPointer<BridgeReplay> replay_;
};
