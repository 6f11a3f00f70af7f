#pragma once
// The frame's two menus: the idle menu while no game runs and the game menu while one does.
// Items are found by their command id; check marks and gray states live on the items.

#include <QList>
#include <QObject>
#include <functional>
#include <map>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

enum class MenuSet { Idle, Game };

// True while a menu is open on the screen: a popup of the frame's menu bar, or a station's
// window menu.
bool AnyMenuOpen();

class FrameMenus : public QObject {
  Q_OBJECT
 public:
  // Choosing an item calls `onCommand` with its id.
  FrameMenus(QWidget* owner, std::function<void(int)> onCommand);

  // Puts `set`'s popups on the menu bar.
  void Attach(QMenuBar& bar, MenuSet set);
  MenuSet Attached() const { return attached_; }

  // The item `id` of `set`, or null when that menu has no such item.
  QAction* Item(MenuSet set, int id) const;
  QList<QMenu*> Popups(MenuSet set) const;
  QMenu* WindowPopup() const { return windowPopup_; }

  void SetChecked(MenuSet set, int id, bool checked);
  void SetEnabled(MenuSet set, int id, bool enabled);
  // While a replay runs, the items that would change the game are grayed whatever the game
  // says of them meanwhile; unlocked, each shows as the game last said.
  void LockGameCommands(bool locked);
  // False when the attached menu shows item `id` grayed: its accelerator then does nothing.
  bool AcceleratorAllowed(int id) const;

 private:
  struct Entry {
    int id;  // 0: a separator
    const char* text;
    bool grayed = false;
    bool checkable = false;
  };
  QMenu* BuildPopup(MenuSet set, const char* title, std::initializer_list<Entry> entries);
  // The same popup, opened from an item of `parent`.
  QMenu* BuildSubmenu(MenuSet set, QMenu& parent, const char* title, std::initializer_list<Entry> entries);
  void AddEntries(MenuSet set, QMenu& popup, std::initializer_list<Entry> entries);

  QWidget* owner_;
  std::function<void(int)> onCommand_;
  std::map<int, QAction*> items_[2];
  std::map<int, bool> enabled_[2];  // as the game says, whatever the lock
  bool locked_ = false;
  QList<QMenu*> popups_[2];
  QMenu* windowPopup_ = nullptr;
  MenuSet attached_ = MenuSet::Idle;
};
