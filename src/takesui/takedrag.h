#pragma once

// A handle to drag a take out of the program as a .mid file: into a DAW's track, a file
// manager's folder, a mail. The file is written when the drag starts, into a folder of the
// program's own that goes when the program ends (a receiver may read it after the drop).
//
// Threads: the UI thread.

#include "takes/take.h"

#include <QLabel>

#include <functional>
#include <optional>

class TTakeDrag : public QLabel {
    Q_OBJECT
public:
    explicit TTakeDrag(QWidget *Parent = nullptr);

    // The take to drag and its file's name (without folder); none: nothing to drag now.
    std::function<std::optional<TTake>()> MakeTake;
    std::function<QString()> FileName;
    // Told when the file could not be written.
    std::function<void(const QString &Error)> OnError;

    // Writes the file a drag hands over; empty with Error when it cannot.
    QString WriteFile(QString &Error) const;

protected:
    void mousePressEvent(QMouseEvent *Event) override;
    void mouseMoveEvent(QMouseEvent *Event) override;

private:
    QPoint FPressed;
    bool FArmed = false;
};
