#include "programbank.h"

#include "keyboardmodel.h"
#include "updown.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {
const QString NoneText = QStringLiteral("none");

// "none" stands for the value given; otherwise a decimal number, or nothing.
bool ParseField(const QString &Text, int NoneValue, int &Value) {
    const QString t = Text.trimmed();
    if (t.compare(NoneText, Qt::CaseInsensitive) == 0) {
        Value = NoneValue;
        return true;
    }
    bool ok = false;
    Value = t.toInt(&ok);
    return ok;
}
} // namespace

TProgramBank::TProgramBank(const TControls &Controls, TKeyboardModel &Keyboard, QObject *Parent)
    : QObject(Parent), C(Controls), FKeyboard(Keyboard) {
    C.UDProgram->SetRange(0, 128);
    C.UDProgram->SetWrap(true);
    for (TUpDown *u : {C.UDMSB, C.UDLSB}) {
        u->SetRange(-1, 127);
        u->SetWrap(true);
        u->SetPosition(-1);
    }
    for (TUpDown *u : {C.UDProgram, C.UDMSB, C.UDLSB})
        u->SetAccelerated(true);
    for (QLineEdit *e : {C.EProgram, C.EMSB, C.ELSB}) {
        e->setText(NoneText);
        e->installEventFilter(this);
    }
    connect(C.EProgram, &QLineEdit::textEdited, this, [this](const QString &t) {
        if (t == QLatin1String("0"))
            C.EProgram->setText(NoneText);
    });
    C.UDProgram->OnClick = [this](int position) {
        FValues[Program] = position - 1;
        SendProgram();
    };
    C.UDMSB->OnClick = [this](int position) {
        SetBankValue(Msb, position);
        ShowBankValue(Msb, FValues[Msb]);
    };
    C.UDLSB->OnClick = [this](int position) {
        SetBankValue(Lsb, position);
        ShowBankValue(Lsb, FValues[Lsb]);
    };
    ShowProgram();
}

QLineEdit *TProgramBank::Edit(int Index) const {
    return Index == Program ? C.EProgram : Index == Msb ? C.EMSB : C.ELSB;
}

TUpDown *TProgramBank::UpDown(int Index) const {
    return Index == Program ? C.UDProgram : Index == Msb ? C.UDMSB : C.UDLSB;
}

void TProgramBank::SendProgram() {
    if (FValues[Program] < 0) {
        ClearProgram();
        return;
    }
    const bool held = FKeyboard.Holding;
    FKeyboard.ClearDisplay();
    FKeyboard.ReleaseAll();
    for (QWidget *w : std::initializer_list<QWidget *>{C.EMSB, C.ELSB, C.UDMSB, C.UDLSB})
        w->setEnabled(true);
    const uint8_t ch = FKeyboard.Channel();
    if (FValues[Msb] == -1 && FValues[Lsb] == -1) {
        ClearBank();
    } else {
        if (FValues[Msb] == -1)
            ShowBankValue(Msb, 0);
        else if (FValues[Lsb] == -1)
            ShowBankValue(Lsb, 0);
        UpdateBankHint();
        if (Send) {
            Send(uint8_t(0xB0 | ch), 0, uint8_t(FValues[Msb]));
            Send(uint8_t(0xB0 | ch), 32, uint8_t(FValues[Lsb]));
        }
    }
    if (Send)
        Send(uint8_t(0xC0 | ch), uint8_t(FValues[Program]), 0);
    // A note held in hold mode sounds on with the new program.
    if (held && FKeyboard.RetriggerPending) {
        FKeyboard.SendChord(FKeyboard.Channel(), FKeyboard.HeldNote, FKeyboard.HeldVelocity, true);
        FKeyboard.Holding = true;
        FKeyboard.MouseMode = TMouseMode::None;
        FKeyboard.RetriggerPending = false;
    }
}

void TProgramBank::ClearProgram() {
    FValues[Program] = -1;
    ClearBank();
    ShowProgram();
}

void TProgramBank::ClearBank() {
    for (int i : {Msb, Lsb}) {
        if (UpDown(i)->Position() != -1)
            UpDown(i)->SetPosition(-1);
        if (Edit(i)->text() != NoneText)
            Edit(i)->setText(NoneText);
        FValues[size_t(i)] = -1;
    }
    UpdateBankHint();
}

void TProgramBank::ShowProgram() {
    const bool none = FValues[Program] == -1;
    if (!none) {
        C.UDProgram->SetPosition(FValues[Program] + 1);
        C.EProgram->setText(QString::number(FValues[Program] + 1));
    }
    for (QWidget *w : std::initializer_list<QWidget *>{C.EMSB, C.ELSB, C.UDMSB, C.UDLSB})
        w->setEnabled(!none);
}

void TProgramBank::ShowBankValue(int Index, int Value) {
    UpDown(Index)->SetPosition(Value);
    FValues[size_t(Index)] = Value;
    if (Value == -1)
        ClearBank();
    else
        Edit(Index)->setText(QString::number(Value));
    UpdateBankHint();
}

void TProgramBank::SetBankValue(int Index, int Value) {
    UpDown(Index)->SetPosition(Value);
    FValues[size_t(Index)] = Value;
    if (Value < 0) {
        ClearBank();
    } else {
        const int other = Index == Msb ? Lsb : Msb;
        if (FValues[size_t(other)] == -1)
            ShowBankValue(other, 0);
    }
    SendProgram();
}

void TProgramBank::UpdateBankHint() {
    FHint = FValues[Msb] == -1
                ? QString()
                : QStringLiteral("Bank: %1").arg(FValues[Msb] * 128 + std::max(0, FValues[Lsb]));
    for (QWidget *w :
         std::initializer_list<QWidget *>{C.LMSB, C.LLSB, C.EMSB, C.ELSB, C.UDMSB, C.UDLSB}) {
        w->setToolTip(FHint);
        w->setStatusTip(FHint);
    }
}

void TProgramBank::StepProgram(int Delta) {
    int p = C.UDProgram->Position() + Delta;
    if (p < C.UDProgram->Min())
        p = C.UDProgram->Max();
    else if (p > C.UDProgram->Max())
        p = C.UDProgram->Min();
    C.UDProgram->SetPosition(p);
    FValues[Program] = p - 1;
    SendProgram();
}

void TProgramBank::EProgramExit() {
    int v = 0;
    if (ParseField(C.EProgram->text(), 0, v) && v >= 1 && v <= 128) {
        FValues[Program] = v - 1;
        SendProgram();
    }
    ShowProgram();
}

void TProgramBank::EBankExit(int Index) {
    int v = 0;
    if (ParseField(Edit(Index)->text(), -1, v) && v >= -1 && v <= 127)
        SetBankValue(Index, v);
    ShowBankValue(Index, FValues[size_t(Index)]);
}

bool TProgramBank::eventFilter(QObject *Watched, QEvent *Event) {
    const int index = Watched == C.EProgram ? Program : Watched == C.EMSB ? Msb : Lsb;
    if (Event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(Event)->key();
        if (key == Qt::Key_Escape) {
            if (index == Program)
                ShowProgram();
            else
                ShowBankValue(index, FValues[size_t(index)]);
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (index == Program)
                EProgramExit();
            else
                EBankExit(index);
            return true;
        }
    } else if (Event->type() == QEvent::FocusOut) {
        if (index == Program)
            EProgramExit();
        else
            EBankExit(index);
    }
    return QObject::eventFilter(Watched, Event);
}
