#include "shell/frame_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QTimer>

#include "core/bridge_size.h"
#include "core/conditions.h"
#include "core/core_state.h"
#include "core/end_game.h"
#include "core/game_commands.h"
#include "core/game_files.h"
#include "core/game_state.h"
#include "core/message_catalogue.h"
#include "core/new_game.h"
#include "core/options.h"
#include "core/settings_file.h"
#include "libraries/pictures/program/program_pictures.h"
#include "lifecycle/game_file_commands.h"
#include "lifecycle/mission_journals.h"
#include "sector/action_state.h"
#include "sector/command_turns.h"
#include "sector/sector_state.h"
#include "shell/about_box.h"
#include "shell/bridge_background.h"
#include "shell/bridge_replay.h"
#include "shell/busy_cursor.h"
#include "shell/main_loop.h"
#include "shell/manual_window.h"
#include "shell/pause_window.h"
#include "shell/qt_host.h"
#include "shell/station_arrangement.h"
#include "shell/station_frame_style.h"
#include "shell/station_windows.h"
#include "shell/window_layout.h"
#include "stations/controls_window.h"
#include "stations/panel_drawing.h"
#include "stations/shared_pictures.h"
#include "stations/sound.h"
#include "stations/station_window.h"

namespace {
constexpr int FirstWindowListId = 500;  // items of the Window menu's station list

struct Accelerator {
  QKeySequence keys;
  int command;
};
}  // namespace

FrameWindow::FrameWindow() : bridge_(new BridgeBackground(this)) {
  StationFrameStyle::Install();
  setWindowTitle(QStringLiteral("Kestrav"));
  setWindowIcon(QIcon(QString::fromLatin1(program_pictures::ProgramIcon)));
  menus_ = new FrameMenus(this, [this](int id) { Command(id); });
  menus_->Attach(*menuBar(), MenuSet::Idle);
  connect(menus_->WindowPopup(), &QMenu::aboutToShow, this, &FrameWindow::ListStationsInWindowMenu);
  AddAccelerators();
  AddStationKeys();
  AddMenuKey();
  menuBar()->installEventFilter(this);
  qApp->installEventFilter(this);  // to see the game's other windows close

  LoadSharedPictures();
  const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
  bridge_->BuildStarField(screen.width(), screen.height());

  coreState.game.skillLevel = coreState.options.skillSetting;
  menus_->SetChecked(MenuSet::Idle, MenuCommand::SkillBase + static_cast<int>(coreState.options.skillSetting), true);
  if (InitSound() == 0) {
    // Without speakers the sounds are off for this run only: the player's choice is kept.
    soundsChoiceWithoutSpeakers_ = coreState.options.soundsEnabled;
    coreState.options.soundsEnabled = 0;
    menus_->SetChecked(MenuSet::Game, MenuCommand::Sounds, false);
    menus_->SetEnabled(MenuSet::Game, MenuCommand::Sounds, false);
  }
  setCentralWidget(bridge_);
}

void FrameWindow::AddAccelerators() {
  using namespace MenuCommand;
  const Accelerator accelerators[] = {
      {QKeySequence(Qt::CTRL | Qt::Key_N), New},       {QKeySequence(Qt::CTRL | Qt::Key_O), Open},
      {QKeySequence(Qt::CTRL | Qt::Key_S), Save},      {QKeySequence(Qt::Key_Pause), Pause},
      {QKeySequence(Qt::SHIFT | Qt::Key_F5), Cascade}, {QKeySequence(Qt::SHIFT | Qt::Key_F4), Tile}};
  for (const Accelerator& accelerator : accelerators) {
    auto* shortcut = new QShortcut(accelerator.keys, this);
    const int id = accelerator.command;
    // Like a menu click, an accelerator does nothing while its item is grayed.
    connect(shortcut, &QShortcut::activated, this, [this, id] {
      if (menus_->AcceleratorAllowed(id)) Command(id);
    });
  }
}

namespace {
// F2 to F9 bring up the stations of the Controls window's buttons, in its order.
Qt::Key StationKey(int controlsButton) { return static_cast<Qt::Key>(Qt::Key_F2 + controlsButton); }
}  // namespace

void FrameWindow::AddStationKeys() {
  for (int button = 0; button < ControlsButtonCount; ++button) {
    auto* shortcut = new QShortcut(QKeySequence(StationKey(button)), this);
    // As the Controls window's button does: not while an action runs.
    connect(shortcut, &QShortcut::activated, this, [button] {
      if (!sectorState.actionInProgress) ShowStation(ControlsWindow::StationOf(button));
    });
  }
}

void FrameWindow::AddMenuKey() {
  // F10 opens the menus as Alt and a menu's letter do: not while an action runs.
  auto* menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
  connect(menuKey, &QShortcut::activated, this, [this] {
    const QList<QAction*> popups = menuBar()->actions();
    if (MenusMayOpen() && !popups.isEmpty()) menuBar()->setActiveAction(popups.first());
  });
}

bool FrameWindow::MenusMayOpen() const { return !ActionRunning(); }

void FrameWindow::TakeKeyboard() {
  // Not from a window of the game that is still up (the next box, a dialog over a dialog, a
  // popup the frame waits behind), nor from another program the player has gone to.
  if (!isVisible() || isMinimized() || !isEnabled() || QApplication::activeModalWidget() ||
      QApplication::activePopupWidget())
    return;
  if (QWidget* active = QApplication::activeWindow(); active && active != this) return;
  activateWindow();
  if (!focusWidget()) setFocus();
}

void FrameWindow::Hold(int id) {
  if (!heldCommands_.insert(id).second) return;
  // At its turn the command is judged again, as if given then.
  HoldUntilActionEnds([this, id] {
    heldCommands_.erase(id);
    Command(id);
  });
}

void FrameWindow::OpenFromOutside(const QString& path) {
  // The request can come at any moment, even from inside an action's waits or a dialog's own
  // loop: it always waits for the main loop, then goes the way of File > Open.
  HoldUntilActionEnds([this, path] {
    // A mission that is over is closed with its communiqué first; then the file opens.
    if (MissionOver()) return OpenFromOutside(path);
    if (replay_) replay_->Stop();
    if (PromptSaveGame() == Answer::Cancel) return;
    OpenGameFile(path);
  });
}

void FrameWindow::ReplayFromOutside(const QString& path) {
  HoldUntilActionEnds([this, path] {
    if (MissionOver()) return ReplayFromOutside(path);
    if (PromptSaveGame() == Answer::Cancel) return;
    StartReplay(path);
  });
}

BridgeReplay* FrameWindow::Replay() const { return replay_; }

void FrameWindow::ReplayMissionCommand() {
  const QString path =
      QFileDialog::getOpenFileName(this, QString::fromLatin1(MessageText(Msg::ReplayCaption)), JournalFolder(),
                                   QString::fromLatin1(MessageText(Msg::ReplayFilter)));
  if (!path.isEmpty()) StartReplay(path);
}

void FrameWindow::StartReplay(const QString& path) {
  if (replay_) replay_->Stop();
  // The bridge runs on the Qt host; the replay drives its clock.
  if (auto* qtHost = dynamic_cast<QtHost*>(&host())) replay_ = BridgeReplay::Begin(*this, *qtHost, path);
}

void FrameWindow::Command(int id) {
  namespace M = MenuCommand;
  switch (TurnOfCommand(id)) {
    case CommandTurn::Now: break;
    case CommandTurn::Hold: return Hold(id);
    case CommandTurn::Drop: return;
  }
  if (replay_) {
    // A replay leaves the game alone, and stops before the program does.
    if (!menus_->AcceleratorAllowed(id)) return;
    if (id == M::Exit) replay_->Stop();
  }
  switch (id) {
    case M::New: NewGameCommand(); return;
    case M::Open:
      if (PromptSaveGame() == Answer::Cancel) return;
      OpenGameCommand(this);
      return;
    case M::ReplayMission:
      if (PromptSaveGame() == Answer::Cancel) return;
      ReplayMissionCommand();
      return;
    case M::Save: SaveGameCommand(this); return;
    case M::SaveAs: SaveGameAsCommand(this); return;
    case M::EndGame: EndGameCommand(); return;
    case M::Exit: Exit(); return;
    case M::Pause:
      if (!coreState.pausedFlag) {
        coreState.pausedFlag = 1;
        ShowPauseWindow(this, *menus_);
      }
      return;
    case M::AutoSrs: ToggleOption(coreState.options.autoSrs, id); return;
    case M::SingleControl: ToggleOption(coreState.options.singleControlWindow, id); return;
    case M::PauseWhenIconic: ToggleOption(coreState.options.pauseWhenIconic, id); return;
    case M::Sounds:
      ToggleOption(coreState.options.soundsEnabled, id);
      if (!coreState.options.soundsEnabled) StopSound();
      return;
    case M::RecordMissions:
      ToggleOption(coreState.options.recordMissions, id);
      RecordMissionsAsOptionsSay();
      return;
    case M::Cascade: CascadeStations(*bridge_); return;
    case M::Tile: TileStations(*bridge_); return;
    case M::ArrangeIcons: ArrangeIcons(); return;
    case M::DefaultPositions: ArrangeDefaultPositions(); return;
    case M::SaveWindowPositions: SaveWindowPositions(); return;
    case M::RestoreWindowPositions: RestoreWindowPositions(); return;
    case M::Manual: ShowPlayersManual(this); return;
    case M::About: ShowAboutBox(this); return;
    default: break;
  }
  if (id >= M::SkillBase && id <= M::SkillBase + 5) {
    ChooseSkill(static_cast<SkillLevel>(id - M::SkillBase));
    return;
  }
  if (id >= M::BridgeSizeBase && id <= M::BridgeSizeBase + LargestBridgeScale) {
    ChooseBridgeSize(id - M::BridgeSizeBase);
    return;
  }
  ForwardToActiveStation(id);
}

void FrameWindow::ChooseSkill(SkillLevel level) {
  if (level != coreState.options.skillSetting) {
    menus_->SetChecked(MenuSet::Idle, MenuCommand::SkillBase + static_cast<int>(coreState.options.skillSetting), false);
    coreState.options.skillSetting = level;
    coreState.game.skillLevel = level;
  }
  menus_->SetChecked(MenuSet::Idle, MenuCommand::SkillBase + static_cast<int>(level), true);
}

void FrameWindow::ChooseBridgeSize(int size) {
  const bool changed = size != coreState.options.bridgeSize;
  coreState.options.bridgeSize = size;
  CheckOptionItems();
  // Qt draws the whole program at one scale, taken as it starts.
  if (changed)
    ShowGameMessageBox(this, MessageText(Msg::BridgeSizeLaterText), MessageText(Msg::SettingsCaption),
                       MessageStyle::ExclamationOk);
}

void FrameWindow::ToggleOption(int& option, int command) {
  option = !option;
  menus_->SetChecked(MenuSet::Game, command, option != 0);
}

void FrameWindow::CheckOptionItems() {
  menus_->SetChecked(MenuSet::Game, MenuCommand::AutoSrs, coreState.options.autoSrs != 0);
  menus_->SetChecked(MenuSet::Game, MenuCommand::SingleControl, coreState.options.singleControlWindow != 0);
  menus_->SetChecked(MenuSet::Game, MenuCommand::PauseWhenIconic, coreState.options.pauseWhenIconic != 0);
  menus_->SetChecked(MenuSet::Game, MenuCommand::Sounds, coreState.options.soundsEnabled != 0);
  menus_->SetChecked(MenuSet::Game, MenuCommand::RecordMissions, coreState.options.recordMissions != 0);
  for (int size = BridgeSizeAutomatic; size <= LargestBridgeScale; ++size)
    menus_->SetChecked(MenuSet::Game, MenuCommand::BridgeSizeBase + size, coreState.options.bridgeSize == size);
}

void FrameWindow::ForwardToActiveStation(int id) {
  QMdiSubWindow* active = bridge_->activeSubWindow();
  if (id >= FirstWindowListId) {
    // A station picked from the Window menu's list.
    const QList<QMdiSubWindow*> stations = bridge_->subWindowList(QMdiArea::CreationOrder);
    const int index = id - FirstWindowListId;
    if (index < stations.size()) {
      QMdiSubWindow* chosen = stations[index];
      if (chosen->isMinimized()) chosen->showNormal();
      bridge_->setActiveSubWindow(chosen);
    }
    return;
  }
  if (auto* station = active ? qobject_cast<StationWindow*>(active->widget()) : nullptr) station->OnCommand(id);
}

void FrameWindow::ListStationsInWindowMenu() {
  QMenu* popup = menus_->WindowPopup();
  for (QAction* item : popup->actions())
    if (item->data().isValid()) delete item;
  const QList<QMdiSubWindow*> stations = bridge_->subWindowList(QMdiArea::CreationOrder);
  bool separated = false;
  for (int i = 0; i < stations.size(); ++i) {
    if (!stations[i]->isVisible()) continue;
    if (!separated) {
      popup->addSeparator()->setData(-1);
      separated = true;
    }
    // The mnemonics are 1 to 9, then the 0 of the tenth.
    QString number = QString::number(i + 1);
    if (i < 10) number.insert(number.size() - 1, QLatin1Char('&'));
    QString text = number + QLatin1Char(' ') + stations[i]->windowTitle();
    if (auto* station = qobject_cast<StationWindow*>(stations[i]->widget())) {
      if (const int button = ControlsWindow::ButtonOf(station->Id()); button >= 0)
        text += QLatin1Char('\t') + QKeySequence(StationKey(button)).toString(QKeySequence::NativeText);
    }
    QAction* item = popup->addAction(text);
    item->setData(FirstWindowListId + i);
    item->setCheckable(true);
    item->setChecked(stations[i] == bridge_->activeSubWindow());
    const int id = FirstWindowListId + i;
    connect(item, &QAction::triggered, this, [this, id] { Command(id); });
  }
}

void FrameWindow::ArrangeIcons() {
  // Minimized stations line up along the bottom edge of the bridge, left to right.
  int x = 0;
  const int bottom = bridge_->viewport()->height();
  for (QMdiSubWindow* station : bridge_->subWindowList(QMdiArea::CreationOrder)) {
    if (!station->isMinimized() || !station->isVisible()) continue;
    station->move(x, bottom - station->height());
    x += station->width();
  }
}

void FrameWindow::OpenStationWindows() {
  menus_->Attach(*menuBar(), MenuSet::Game);
  CheckOptionItems();
  OpenStations(*bridge_);
  bridge_->viewport()->update();
  QTimer::singleShot(0, this, [this] { Command(MenuCommand::DefaultPositions); });
}

void FrameWindow::CloseStationWindows() {
  CloseStations();
  menus_->Attach(*menuBar(), MenuSet::Idle);
  bridge_->viewport()->update();
  update();
  TakeKeyboard();  // the focus may have gone with a station
}

void FrameWindow::Exit() {
  if (PromptSaveGame() == Answer::Cancel) return;
  // The frame goes from the screen at once; the rest of the shutdown runs once the main loop
  // has unwound, so an animation in progress finishes first. The manual goes with it.
  ClosePlayersManual(this);
  hide();
  RequestQuit(0);
}

void FrameWindow::ShutDown() {
  ::ShutdownSound();
  if (soundsChoiceWithoutSpeakers_) coreState.options.soundsEnabled = *soundsChoiceWithoutSpeakers_;
  WriteSettings();
  if (coreState.game.gamePhase != GamePhase::NoGame) ::EndGame();
  FreeSharedPictures();
}

void FrameWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  Command(MenuCommand::Exit);
}

bool FrameWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Hide && watched != this) {
    // One of the game's windows went (a message box, a dialog, a popup): without a window
    // manager, or with one that does not give it back, the frame would be left without the
    // keyboard, its shortcuts and menu keys dead until clicked.
    const auto* window = qobject_cast<QWidget*>(watched);
    if (window && window->isWindow() && !window->inherits("QMenu") && window->windowType() != Qt::ToolTip)
      QTimer::singleShot(0, this, &FrameWindow::TakeKeyboard);
  }
  if (watched == menuBar() && !MenusMayOpen()) {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
      case QEvent::KeyPress:
      case QEvent::Shortcut:  // Alt and a menu's mnemonic
        return true;
      default: break;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void FrameWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange) return;
  if (!coreState.options.pauseWhenIconic || coreState.game.InRedAlert()) return;
  if (isMinimized()) {
    coreState.pausedFlag = 1;
    StopSound();
  } else if (isMaximized()) {
    coreState.pausedFlag = 0;
  }
}
