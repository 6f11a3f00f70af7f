#include "shell/frame_menus.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>

#include "core/host.h"

namespace {
int Index(MenuSet set) { return set == MenuSet::Idle ? 0 : 1; }

// The items a replay grays: each would change the game, or its journal.
bool ChangesTheGame(int id) {
  namespace M = MenuCommand;
  return id == M::New || id == M::Open || id == M::ReplayMission || id == M::Save || id == M::SaveAs ||
         id == M::EndGame || id == M::Pause || id == M::RecordMissions ||
         (id >= M::SkillBase && id <= M::SkillBase + 5);
}
}  // namespace

bool AnyMenuOpen() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr; }

FrameMenus::FrameMenus(QWidget* owner, std::function<void(int)> onCommand)
    : QObject(owner), owner_(owner), onCommand_(std::move(onCommand)) {
  namespace M = MenuCommand;
  // The File popup is the same in both menus; only the idle menu grays the game's items.
  for (MenuSet set : {MenuSet::Idle, MenuSet::Game}) {
    const bool idle = set == MenuSet::Idle;
    BuildPopup(set, "&File",
               {{M::New, "&New\tCtrl+N"},
                {M::Open, "&Open...\tCtrl+O"},
                {M::ReplayMission, "&Replay Mission..."},
                {M::Save, "&Save\tCtrl+S", idle},
                {M::SaveAs, "S&ave As...", idle},
                {M::EndGame, "End &Game", idle},
                {0, nullptr},
                {M::Exit, "E&xit"}});
    if (idle) {
      BuildPopup(set, "&Skill",
                 {{M::SkillBase + 5, "&Admiral", false, true},
                  {M::SkillBase + 4, "&Captain", false, true},
                  {M::SkillBase + 3, "&First Officer", false, true},
                  {M::SkillBase + 2, "&Officer", false, true},
                  {M::SkillBase + 1, "&Yeoman", false, true},
                  {M::SkillBase + 0, "&Expendable Crewman", false, true}});
    } else {
      QMenu* optionsPopup = BuildPopup(set, "&Options",
                                       {{M::Pause, "&Pause Game\tPAUSE"},
                                        {0, nullptr},
                                        {M::AutoSrs, "&Auto Activate SRS", false, true},
                                        {M::SingleControl, "Single &Control Window", false, true},
                                        {M::PauseWhenIconic, "Pause when &Iconic", false, true},
                                        {M::Sounds, "&Sounds", false, true},
                                        {M::RecordMissions, "&Record Missions", false, true}});
      optionsPopup->addSeparator();
      BuildSubmenu(set, *optionsPopup, "&Bridge Size",
                   {{M::BridgeSizeBase + 0, "&Automatic", false, true},
                    {M::BridgeSizeBase + 1, "&Normal (1\xD7)", false, true},
                    {M::BridgeSizeBase + 2, "&Large (2\xD7)", false, true},
                    {M::BridgeSizeBase + 3, "&Huge (3\xD7)", false, true}});
      windowPopup_ = BuildPopup(set, "&Window",
                                {{M::Cascade, "&Cascade\tShift+F5"},
                                 {M::Tile, "&Tile\tShift+F4"},
                                 {M::ArrangeIcons, "&Arrange Icons"},
                                 {M::DefaultPositions, "&Default Positions"},
                                 {M::SaveWindowPositions, "&Save Window Positions"},
                                 {M::RestoreWindowPositions, "&Restore Window Positions"}});
    }
    BuildPopup(set, "&Help", {{M::Manual, "Player's Manual"}, {0, nullptr}, {M::About, "&About Kestrav..."}});
  }
}

QMenu* FrameMenus::BuildPopup(MenuSet set, const char* title, std::initializer_list<Entry> entries) {
  auto* popup = new QMenu(QString::fromLatin1(title), owner_);
  AddEntries(set, *popup, entries);
  popups_[Index(set)].append(popup);
  return popup;
}

QMenu* FrameMenus::BuildSubmenu(MenuSet set, QMenu& parent, const char* title, std::initializer_list<Entry> entries) {
  QMenu* popup = parent.addMenu(QString::fromLatin1(title));
  AddEntries(set, *popup, entries);
  return popup;
}

void FrameMenus::AddEntries(MenuSet set, QMenu& popup, std::initializer_list<Entry> entries) {
  for (const Entry& entry : entries) {
    if (entry.id == 0) {
      popup.addSeparator();
      continue;
    }
    QAction* item = popup.addAction(QString::fromLatin1(entry.text));
    item->setEnabled(!entry.grayed);
    item->setCheckable(entry.checkable);
    const int id = entry.id;
    // Check marks belong to the commands: the item's own toggling is undone before the command
    // decides what the mark shows.
    connect(item, &QAction::triggered, this, [this, item, id] {
      if (item->isCheckable()) item->setChecked(!item->isChecked());
      onCommand_(id);
    });
    items_[Index(set)][id] = item;
    enabled_[Index(set)][id] = !entry.grayed;
  }
}

void FrameMenus::Attach(QMenuBar& bar, MenuSet set) {
  bar.clear();
  for (QMenu* popup : popups_[Index(set)]) bar.addMenu(popup);
  attached_ = set;
}

QAction* FrameMenus::Item(MenuSet set, int id) const {
  const auto& items = items_[Index(set)];
  const auto it = items.find(id);
  return it == items.end() ? nullptr : it->second;
}

QList<QMenu*> FrameMenus::Popups(MenuSet set) const { return popups_[Index(set)]; }

void FrameMenus::SetChecked(MenuSet set, int id, bool checked) {
  if (QAction* item = Item(set, id)) item->setChecked(checked);
}

void FrameMenus::SetEnabled(MenuSet set, int id, bool enabled) {
  QAction* item = Item(set, id);
  if (!item) return;
  enabled_[Index(set)][id] = enabled;
  item->setEnabled(enabled && !(locked_ && ChangesTheGame(id)));
}

void FrameMenus::LockGameCommands(bool locked) {
  locked_ = locked;
  for (MenuSet set : {MenuSet::Idle, MenuSet::Game})
    for (const auto& [id, enabled] : enabled_[Index(set)]) SetEnabled(set, id, enabled);
}

bool FrameMenus::AcceleratorAllowed(int id) const {
  const QAction* item = Item(attached_, id);
  return !item || item->isEnabled();
}
