#include "app/splash.h"

#include "app/apppictures.h"
#include "core/general.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

TSplashForm::TSplashForm(QWidget *Owner, bool Timed)
    : QWidget(Owner, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                         Qt::WindowDoesNotAcceptFocus),
      FTimed(Timed) {
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle(tr("About Ondrel"));
    FImage = new QLabel(this);
    const QPixmap picture = AppPictures::Load(QStringLiteral("SPLASH"), devicePixelRatioF());
    FImage->setPixmap(picture);
    const QSize size = picture.deviceIndependentSize().toSize();
    FImage->setGeometry(QRect(QPoint(0, 0), size));
    setFixedSize(size);
    FVersion = new QLabel(this);
    FVersion->setStyleSheet(QStringLiteral("color: #9db4d2; background: transparent;"));
    FVersion->setGeometry(10, 76, size.width() - 20, 18);
    FVersion->setAlignment(Qt::AlignHCenter);
    FTimer = new QTimer(this);
    FTimer->setSingleShot(true);
    FTimer->setInterval(3000);
    connect(FTimer, &QTimer::timeout, this, &TSplashForm::Finish);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

TSplashForm::~TSplashForm() {
    if (InstancePointer && *InstancePointer == this)
        *InstancePointer = nullptr;
}

QString TSplashForm::VersionLabel() const {
    return FVersion->text();
}

void TSplashForm::showEvent(QShowEvent *Event) {
    QWidget::showEvent(Event);
    if (FTimed)
        FTimer->start();
    else
        FTimer->stop();
    const QString version = VersionText();
    FVersion->setText(version.isEmpty() ? QString() : tr("V%1 build %2").arg(version, BuildText()));
    raise();
}

void TSplashForm::hideEvent(QHideEvent *Event) {
    QWidget::hideEvent(Event);
    deleteLater();
}

void TSplashForm::mousePressEvent(QMouseEvent *) {
    Finish();
}

void TSplashForm::Finish() {
    FTimer->stop();
    hide();
}
