// Renders the file list view in report style, filtered to patch scripts as the patch set chooser
// shows it, over a made-up folder, into a PNG file: shellshots <folder> [pixel ratio]

#include "shellview/systemlistview.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>

int main(int argc, char *argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const qreal ratio = argc > 2 ? QString::fromLocal8Bit(argv[2]).toDouble() : 1.0;
    QDir().mkpath(folder);

    QTemporaryDir root;
    const QString scripts = root.path() + QStringLiteral("/Patch Scripts");
    const QDateTime base(QDate(2024, 3, 14), QTime(9, 30));
    const struct {
        const char *Name;
        int Size;
        int Minutes;
    } files[] = {{"GM.txt", 18450, 0},
                 {"Workstation.txt", 64210, 95},
                 {"Builtin Synth.txt", 9120, 40},
                 {"old-notes.ini", 300, 10},
                 {"Drum Kits.TXT", 2500, 300}};
    for (const auto &f : files) {
        QFile file(scripts + u'/' + QLatin1String(f.Name));
        QDir().mkpath(scripts);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        file.write(QByteArray(f.Size, ' '));
        file.flush(); // written before the time is set, or closing would set it to now
        file.setFileTime(base.addSecs(60 * f.Minutes), QFileDevice::FileModificationTime);
    }
    for (const char *sub : {"Vendors", "Archive"}) {
        const QString path = scripts + u'/' + QLatin1String(sub);
        QDir().mkpath(path);
        const timespec times[2] = {{base.toSecsSinceEpoch(), 0}, {base.toSecsSinceEpoch(), 0}};
        utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0);
    }

    TSystemListView view;
    view.SetViewStyle(TViewStyle::vsReport);
    view.SetMultiSelect(false);
    view.SetAllowedExtensions(QStringLiteral("txt"));
    view.SetDirectory(scripts);
    view.SetSelected(view.FindItem(QStringLiteral("GM.txt")));
    view.resize(610, 190);
    view.show();
    QApplication::processEvents();

    QPixmap shot(view.size() * ratio);
    shot.setDevicePixelRatio(ratio);
    shot.fill(Qt::white);
    QPainter p(&shot);
    view.render(&p);
    p.end();
    return shot.save(folder + QStringLiteral("/shellview-report.png")) ? 0 : 1;
}
