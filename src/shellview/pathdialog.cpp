#include "shellview/pathdialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <QUrl>

#include <exception>

TPathDialog::TPathDialog(QObject *Owner) : QObject(Owner) {
    ShowError = [this](const QString &Message) {
        QMessageBox::warning(FDialog, QApplication::applicationDisplayName(), Message);
    };
}

TPathDialog::~TPathDialog() = default;

void TPathDialog::SetDirectory(const QString &Value) {
    QString Path = QDir::fromNativeSeparators(Value);
    if (Path.isEmpty())
        Path = QDir::currentPath();
    while (Path.size() > 1 && Path.endsWith(u'/') && !QDir(Path).isRoot())
        Path.chop(1);
    FDirectory = Path;
    if (FDialog) {
        FDialog->setDirectory(FDirectory);
        // The dialog says nothing of a move made by the program; the selection changed all
        // the same.
        if (OnSelect)
            Guarded([&] { OnSelect(this, QFileInfo(Path).isDir() ? Path : QString()); });
    }
}

void TPathDialog::SetStatusText(const QString &Value) {
    FStatusText = Value;
    if (FStatusLabel)
        FStatusLabel->setText(Value);
}

void TPathDialog::Guarded(const std::function<void()> &Handler) {
    try {
        Handler();
    } catch (const std::exception &Error) {
        if (ShowError)
            ShowError(QString::fromStdString(Error.what()));
    }
}

bool TPathDialog::Execute() {
    QWidget *Parent = nullptr;
    if (auto *Owner = qobject_cast<QWidget *>(parent()))
        Parent = Owner->window();
    else
        Parent = QApplication::activeWindow();

    QFileDialog Dialog(Parent, FTitle, FDirectory);
    Dialog.setFileMode(QFileDialog::Directory);
    Dialog.setOption(QFileDialog::ShowDirsOnly, true);
    Dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (FShowStatus) {
        // Only Qt's own dialog can carry a status line.
        Dialog.setOption(QFileDialog::DontUseNativeDialog, true);
        if (auto *Grid = qobject_cast<QGridLayout *>(Dialog.layout())) {
            FStatusLabel = new QLabel(FStatusText, &Dialog);
            Grid->addWidget(FStatusLabel, Grid->rowCount(), 0, 1, Grid->columnCount());
        }
    }
    // A folder is selected when it is highlighted, and when the dialog moves into it.
    auto Select = [this](const QUrl &Url) {
        if (OnSelect)
            Guarded([&] { OnSelect(this, Url.isLocalFile() ? Url.toLocalFile() : QString()); });
    };
    connect(&Dialog, &QFileDialog::currentUrlChanged, this, Select);
    connect(&Dialog, &QFileDialog::directoryUrlEntered, this, Select);
    // Once the dialog's own event loop runs, it is open.
    QTimer::singleShot(0, &Dialog, [this] {
        if (OnShow)
            Guarded([&] { OnShow(this); });
    });

    FDialog = &Dialog;
    const int Result = Runner ? Runner(Dialog) : Dialog.exec();
    FDialog = nullptr;
    FStatusLabel = nullptr;

    if (Result != QDialog::Accepted)
        return false;
    const QList<QUrl> Chosen = Dialog.selectedUrls();
    if (Chosen.isEmpty() || !Chosen.first().isLocalFile())
        return false;
    const QString Path = Chosen.first().toLocalFile();
    if (!QFileInfo(Path).isDir())
        return false;
    SetDirectory(Path);
    return true;
}
