#include "app/programbank.h"

#include "app/updown.h"
#include "core/keyboardmodel.h"

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
    C.ProgramUpDown->SetRange(0, 128);
    C.ProgramUpDown->SetWrap(true);
    for (TUpDown *u : {C.MsbUpDown, C.LsbUpDown}) {
        u->SetRange(-1, 127);
        u->SetWrap(true);
        u->SetPosition(-1);
    }
    for (TUpDown *u : {C.ProgramUpDown, C.MsbUpDown, C.LsbUpDown})
        u->SetAccelerated(true);
    for (QLineEdit *e : {C.ProgramEdit, C.MsbEdit, C.LsbEdit}) {
        e->setText(NoneText);
        e->installEventFilter(this);
    }
    connect(C.ProgramEdit, &QLineEdit::textEdited, this, [this](const QString &t) {
        if (t == QLatin1String("0"))
            C.ProgramEdit->setText(NoneText);
    });
    C.ProgramUpDown->OnClick = [this](int position) {
        FValues[Program] = position - 1;
        SendProgram();
    };
    C.MsbUpDown->OnClick = [this](int position) {
        SetBankValue(Msb, position);
        ShowBankValue(Msb, FValues[Msb]);
    };
    C.LsbUpDown->OnClick = [this](int position) {
        SetBankValue(Lsb, position);
        ShowBankValue(Lsb, FValues[Lsb]);
    };
    ShowProgram();
}

QLineEdit *TProgramBank::Edit(int Index) const {
    return Index == Program ? C.ProgramEdit : Index == Msb ? C.MsbEdit : C.LsbEdit;
}

TUpDown *TProgramBank::UpDown(int Index) const {
    return Index == Program ? C.ProgramUpDown : Index == Msb ? C.MsbUpDown : C.LsbUpDown;
}

void TProgramBank::SendProgram() {
    if (FValues[Program] < 0) {
        ClearProgram();
        return;
    }
    const bool held = FKeyboard.Holding;
    FKeyboard.ClearDisplay();
    FKeyboard.ReleaseAll();
    for (QWidget *w :
         std::initializer_list<QWidget *>{C.MsbEdit, C.LsbEdit, C.MsbUpDown, C.LsbUpDown})
        w->setEnabled(true);
    if (FValues[Msb] == -1 && FValues[Lsb] == -1) {
        ClearBank();
    } else {
        if (FValues[Msb] == -1)
            ShowBankValue(Msb, 0);
        else if (FValues[Lsb] == -1)
            ShowBankValue(Lsb, 0);
        UpdateBankHint();
    }
    if (Send)
        Send(FValues[Msb], FValues[Lsb], FValues[Program]);
    ShowProgram(); // the field shows what was sent, however it was chosen
    if (OnSent)
        OnSent();
    // A note held in hold mode sounds on with the new program.
    if (held && FKeyboard.RetriggerPending) {
        FKeyboard.SendChord(FKeyboard.Channel(), FKeyboard.HeldNote, FKeyboard.HeldVelocity, true);
        FKeyboard.Holding = true;
        FKeyboard.SetMouseMode(TMouseMode::None);
        FKeyboard.RetriggerPending = false;
    }
}

void TProgramBank::ClearProgram() {
    FValues[Program] = -1;
    ClearBank();
    ShowProgram();
    if (OnSent)
        OnSent();
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
    C.ProgramUpDown->SetPosition(FValues[Program] + 1);
    C.ProgramEdit->setText(none ? NoneText : QString::number(FValues[Program] + 1));
    for (QWidget *w :
         std::initializer_list<QWidget *>{C.MsbEdit, C.LsbEdit, C.MsbUpDown, C.LsbUpDown})
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
    FHint = FValues[Msb] == -1 ? QString()
                               : tr("Bank: %1").arg(FValues[Msb] * 128 + std::max(0, FValues[Lsb]));
    for (QWidget *w : std::initializer_list<QWidget *>{C.MsbLabel, C.LsbLabel, C.MsbEdit, C.LsbEdit,
                                                       C.MsbUpDown, C.LsbUpDown}) {
        w->setToolTip(FHint);
        w->setStatusTip(FHint);
    }
}

void TProgramBank::StepProgram(int Delta) {
    int p = C.ProgramUpDown->Position() + Delta;
    if (p < C.ProgramUpDown->Min())
        p = C.ProgramUpDown->Max();
    else if (p > C.ProgramUpDown->Max())
        p = C.ProgramUpDown->Min();
    C.ProgramUpDown->SetPosition(p);
    FValues[Program] = p - 1;
    SendProgram();
}

void TProgramBank::ProgramEdited(bool Chosen) {
    int v = 0;
    if (ParseField(C.ProgramEdit->text(), 0, v) && v >= 1 && v <= 128 &&
        (Chosen || v - 1 != FValues[Program])) {
        FValues[Program] = v - 1;
        SendProgram();
    }
    ShowProgram();
}

void TProgramBank::BankEdited(int Index, bool Chosen) {
    int v = 0;
    if (ParseField(Edit(Index)->text(), -1, v) && v >= -1 && v <= 127 &&
        (Chosen || v != FValues[size_t(Index)]))
        SetBankValue(Index, v);
    ShowBankValue(Index, FValues[size_t(Index)]);
}

bool TProgramBank::eventFilter(QObject *Watched, QEvent *Event) {
    const int index = Watched == C.ProgramEdit ? Program : Watched == C.MsbEdit ? Msb : Lsb;
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
                ProgramEdited(true);
            else
                BankEdited(index, true);
            return true;
        }
    } else if (Event->type() == QEvent::FocusOut) {
        // Passing through a field is no choice: only a changed value goes out.
        if (index == Program)
            ProgramEdited(false);
        else
            BankEdited(index, false);
    }
    return QObject::eventFilter(Watched, Event);
}
