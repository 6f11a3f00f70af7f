#include "stations/station_accessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <vector>

#include "stations/station_window.h"

namespace {

// A read-out or a button of a station's face. Parts are numbered read-outs first, then
// buttons; a station always has the same parts.
class StationPart : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  StationPart(StationWindow* station, int index) : station_(station), index_(index) {}

  bool isValid() const override { return !station_.isNull(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return station_ ? station_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(station_.data()); }
  QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
  QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }

  QAccessible::Role role() const override { return IsButton() ? QAccessible::Button : QAccessible::StaticText; }
  QAccessible::State state() const override {
    QAccessible::State state;
    state.invisible = !station_ || !station_->isVisible();
    state.readOnly = !IsButton();
    return state;
  }

  QString text(QAccessible::Text kind) const override {
    if (!station_ || kind != QAccessible::Name) return {};
    return IsButton() ? station_->ButtonName(ButtonIndex()) : ReadOutNow().text;
  }
  void setText(QAccessible::Text /*kind*/, const QString& /*text*/) override {}

  QRect rect() const override {
    if (!station_) return {};
    const QRect area = IsButton() ? station_->ButtonArea(ButtonIndex()) : ReadOutNow().area;
    return QRect(station_->mapToGlobal(area.topLeft()), area.size());
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface && IsButton() ? static_cast<QAccessibleActionInterface*>(this)
                                                              : nullptr;
  }

  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& action) override {
    if (station_ && action == pressAction()) station_->PressButtonFor(ButtonIndex());
  }
  QStringList keyBindingsForAction(const QString& /*action*/) const override { return {}; }

 private:
  int ReadOutCount() const { return static_cast<int>(station_->ReadOuts().size()); }
  bool IsButton() const { return station_ && index_ >= ReadOutCount(); }
  int ButtonIndex() const { return index_ - ReadOutCount(); }
  StationWindow::ReadOut ReadOutNow() const {
    const std::vector<StationWindow::ReadOut> readOuts = station_->ReadOuts();
    return readOuts.at(static_cast<std::size_t>(index_));
  }

  QPointer<StationWindow> station_;
  int index_;
};

// The station itself: a panel named by its title, holding its parts and then whatever
// real child widgets it has (the Messages panel's scroll bar).
class StationPanel : public QAccessibleWidget {
 public:
  explicit StationPanel(StationWindow* station) : QAccessibleWidget(station, QAccessible::Pane) {}
  ~StationPanel() override {
    for (QAccessible::Id id : parts_) QAccessible::deleteAccessibleInterface(id);
  }

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name) return QString::fromLatin1(StationName(Station()->Id()));
    return QAccessibleWidget::text(kind);
  }

  int childCount() const override { return PartCount() + QAccessibleWidget::childCount(); }

  QAccessibleInterface* child(int index) const override {
    if (index < 0) return nullptr;
    if (index >= PartCount()) return QAccessibleWidget::child(index - PartCount());
    while (static_cast<int>(parts_.size()) <= index)
      parts_.push_back(
          QAccessible::registerAccessibleInterface(new StationPart(Station(), static_cast<int>(parts_.size()))));
    return QAccessible::accessibleInterface(parts_[static_cast<std::size_t>(index)]);
  }

  int indexOfChild(const QAccessibleInterface* child) const override {
    for (std::size_t i = 0; i < parts_.size(); ++i)
      if (QAccessible::accessibleInterface(parts_[i]) == child) return static_cast<int>(i);
    const int widget = QAccessibleWidget::indexOfChild(child);
    return widget < 0 ? -1 : PartCount() + widget;
  }

  QAccessibleInterface* childAt(int x, int y) const override {
    for (int i = 0; i < PartCount(); ++i) {
      QAccessibleInterface* part = child(i);
      if (part->rect().contains(x, y)) return part;
    }
    return QAccessibleWidget::childAt(x, y);
  }

 private:
  StationWindow* Station() const { return static_cast<StationWindow*>(widget()); }
  int PartCount() const { return static_cast<int>(Station()->ReadOuts().size()) + Station()->ButtonCount(); }

  mutable std::vector<QAccessible::Id> parts_;  // made as the reader first asks for them
};

QAccessibleInterface* StationInterface(const QString& /*className*/, QObject* object) {
  if (auto* station = qobject_cast<StationWindow*>(object)) return new StationPanel(station);
  return nullptr;
}

}  // namespace

bool ScreenReaderListening() { return QAccessible::isActive(); }

void TellScreenReader(StationWindow& station, int index, const QString& text) {
  QAccessibleValueChangeEvent changed(&station, text);
  changed.setChild(index);
  QAccessible::updateAccessibility(&changed);
  QAccessibleEvent renamed(&station, QAccessible::NameChanged);
  renamed.setChild(index);
  QAccessible::updateAccessibility(&renamed);
}

void InstallStationAccessibility() { QAccessible::installFactory(StationInterface); }
