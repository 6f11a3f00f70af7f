#include "shell/manual_window.h"

#include <QAction>
#include <QIcon>
#include <QKeySequence>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#include "docs/manual/manual_pages.h"
#include "libraries/pictures/program/program_pictures.h"

namespace {
constexpr QSize PreferredSize(780, 700);

QAction* AddTool(QToolBar& tools, QStyle::StandardPixmap icon, const QString& text, const QKeySequence& keys) {
  QAction* action = tools.addAction(tools.style()->standardIcon(icon), text);
  action->setShortcut(keys);
  action->setToolTip(QStringLiteral("%1 (%2)").arg(text, keys.toString(QKeySequence::NativeText)));
  return action;
}
}  // namespace

ManualWindow::ManualWindow(QWidget* frame) : QWidget(frame, Qt::Window), browser_(new QTextBrowser(this)) {
  setObjectName(QStringLiteral("PlayersManual"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowIcon(QIcon(QString::fromLatin1(program_pictures::ProgramIcon)));

  auto* tools = new QToolBar(this);
  tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  back_ = AddTool(*tools, QStyle::SP_ArrowBack, QStringLiteral("Back"), QKeySequence(Qt::ALT | Qt::Key_Left));
  forward_ = AddTool(*tools, QStyle::SP_ArrowForward, QStringLiteral("Forward"), QKeySequence(Qt::ALT | Qt::Key_Right));
  home_ = AddTool(*tools, QStyle::SP_DirHomeIcon, QStringLiteral("Contents"), QKeySequence(Qt::ALT | Qt::Key_Home));
  back_->setEnabled(false);
  forward_->setEnabled(false);

  // Every link leads to another page of the manual, which the browser opens itself.
  browser_->setOpenLinks(true);
  browser_->setOpenExternalLinks(false);
  browser_->setFrameShape(QFrame::NoFrame);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(tools);
  layout->addWidget(browser_);

  connect(back_, &QAction::triggered, browser_, &QTextBrowser::backward);
  connect(forward_, &QAction::triggered, browser_, &QTextBrowser::forward);
  connect(home_, &QAction::triggered, browser_, &QTextBrowser::home);
  connect(browser_, &QTextBrowser::backwardAvailable, back_, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::sourceChanged, this, &ManualWindow::ShowPageTitle);
  new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);

  browser_->setSource(QUrl(QString::fromLatin1(manual_pages::Index)));

  // Beside the bridge, as large as reads comfortably and no larger than the screen.
  const QRect screen = (frame ? frame->screen() : QWidget::screen())->availableGeometry();
  resize(PreferredSize.boundedTo(screen.size() * 9 / 10));
  const QRect over = frame ? frame->frameGeometry() : screen;
  move(over.center() - rect().center());
}

void ManualWindow::ShowPageTitle() {
  const QString page = browser_->documentTitle();
  setWindowTitle(page.isEmpty() ? QStringLiteral("Kestrav Player's Manual")
                                : QStringLiteral("%1 - Kestrav Player's Manual").arg(page));
}

ManualWindow& ShowPlayersManual(QWidget* frame) {
  ManualWindow* manual = frame->findChild<ManualWindow*>(QString(), Qt::FindDirectChildrenOnly);
  if (!manual) manual = new ManualWindow(frame);
  if (manual->isMinimized()) manual->showNormal();
  manual->show();
  manual->raise();
  manual->activateWindow();
  return *manual;
}

void ClosePlayersManual(QWidget* frame) {
  if (auto* manual = frame->findChild<ManualWindow*>(QString(), Qt::FindDirectChildrenOnly)) manual->close();
}
