#include "takesui/takedrag.h"

#include "takes/midifile.h"

#include <QApplication>
#include <QDir>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QStyle>
#include <QTemporaryDir>
#include <QUrl>

#include <memory>

namespace {

// The files dragged out live as long as the program: a receiver may read them after the drop.
QTemporaryDir &DragFolder() {
    static QTemporaryDir Folder(QDir::tempPath() + QStringLiteral("/ondrel-takes-XXXXXX"));
    return Folder;
}

QString SafeFileName(QString Name) {
    for (const QChar Forbidden : QStringLiteral("/\\:*?\"<>|"))
        Name.replace(Forbidden, QLatin1Char('-'));
    return Name.trimmed().isEmpty() ? QStringLiteral("take.mid") : Name.trimmed();
}

} // namespace

TTakeDrag::TTakeDrag(QWidget *Parent) : QLabel(Parent) {
    setCursor(Qt::OpenHandCursor);
    setToolTip(tr("Drag the take into a DAW or a file manager as a MIDI file"));
    setStatusTip(toolTip());
    const QIcon Icon = style()->standardIcon(QStyle::SP_FileIcon);
    setPixmap(Icon.pixmap(32, 32));
}

QString TTakeDrag::WriteFile(QString &Error) const {
    const std::optional<TTake> Take = MakeTake ? MakeTake() : std::nullopt;
    if (!Take || Take->Empty()) {
        Error = tr("Nothing has been played yet.");
        return QString();
    }
    if (!DragFolder().isValid()) {
        Error =
            tr("No temporary folder can be made for the file: %1.").arg(DragFolder().errorString());
        return QString();
    }
    const QString Path =
        DragFolder().filePath(SafeFileName(FileName ? FileName() : QStringLiteral("take.mid")));
    if (!MidiFile::Save(*Take, Path, Error))
        return QString();
    return Path;
}

void TTakeDrag::mousePressEvent(QMouseEvent *Event) {
    FArmed = Event->button() == Qt::LeftButton && isEnabled();
    FPressed = Event->position().toPoint();
    QLabel::mousePressEvent(Event);
}

void TTakeDrag::mouseMoveEvent(QMouseEvent *Event) {
    if (!FArmed || !(Event->buttons() & Qt::LeftButton) ||
        (Event->position().toPoint() - FPressed).manhattanLength() <
            QApplication::startDragDistance())
        return;
    FArmed = false;
    QString Error;
    const QString Path = WriteFile(Error);
    if (Path.isEmpty()) {
        if (OnError)
            OnError(Error);
        return;
    }
    auto *Data = new QMimeData;
    Data->setUrls({QUrl::fromLocalFile(Path)});
    auto *Drag = new QDrag(this);
    Drag->setMimeData(Data);
    if (const QPixmap Picture = pixmap(); !Picture.isNull())
        Drag->setPixmap(Picture);
    Drag->exec(Qt::CopyAction);
}
