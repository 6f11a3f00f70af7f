// Times the game from its start to its first painted frame: starts the program given on the
// command line and watches the screen's top-left corner until the frame's menu bar shows
// there. Prints the milliseconds; the game keeps running (its process id is printed too).

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QThread>
#include <cstdio>

int main(int argc, char* argv[]) {
  QGuiApplication application(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: kestrav-first-paint path/to/kestrav\n");
    return 2;
  }
  QScreen* screen = QGuiApplication::primaryScreen();
  auto cornerPainted = [screen] {
    const QImage corner = screen->grabWindow(0, 2, 2, 1, 1).toImage();
    return !corner.isNull() && (corner.pixel(0, 0) & 0xFFFFFF) != 0;
  };

  QElapsedTimer clock;
  clock.start();
  qint64 pid = 0;
  if (!QProcess::startDetached(QString::fromLocal8Bit(argv[1]), {}, {}, &pid)) {
    std::fprintf(stderr, "cannot start %s\n", argv[1]);
    return 1;
  }
  while (!cornerPainted()) {
    if (clock.elapsed() > 30000) {
      std::fprintf(stderr, "no frame painted in 30 s\n");
      return 1;
    }
    QThread::msleep(2);
  }
  std::printf("%lld %lld\n", static_cast<long long>(clock.elapsed()), static_cast<long long>(pid));
  return 0;
}
