#pragma once

// The program and bank fields of the main window: the held values, how they are shown, and how
// a change of them is sent (bank select MSB, LSB, then program change, on the keyboard's channel).

#include <QObject>

#include <array>
#include <cstdint>
#include <functional>

class QLabel;
class QLineEdit;
class TUpDown;
class TKeyboardModel;

class TProgramBank : public QObject {
    Q_OBJECT
public:
    enum { Program = 0, Msb = 1, Lsb = 2 };

    struct TControls {
        QLineEdit *ProgramEdit;
        TUpDown *ProgramUpDown;
        QLineEdit *MsbEdit;
        TUpDown *MsbUpDown;
        QLineEdit *LsbEdit;
        TUpDown *LsbUpDown;
        QLabel *MsbLabel;
        QLabel *LsbLabel;
    };

    TProgramBank(const TControls &Controls, TKeyboardModel &Keyboard, QObject *Parent = nullptr);

    // Sends bank select (MSB, LSB; both -1 for none) and program, in that order, straight to
    // the output (program and bank changes bypass the display update).
    std::function<void(int Msb, int Lsb, int Program)> Send;
    // The fields sent their program and bank, or cleared them: the patch box follows.
    std::function<void()> OnSent;

    const TControls &Controls() const { return C; }
    int Value(int Index) const { return FValues[size_t(Index)]; }
    void SetProgramValue(int Value) { FValues[Program] = Value; }
    // Holds the three values without showing or sending them: they go out at the next start
    // (or when the program is sent).
    void StoreValues(int ProgramValue, int MsbValue, int LsbValue) {
        FValues = {ProgramValue, MsbValue, LsbValue};
    }

    void SendProgram();
    void ClearProgram();
    void ClearBank();
    void ShowProgram();
    void ShowBankValue(int Index, int Value);
    void SetBankValue(int Index, int Value);
    void StepProgram(int Delta);
    QString BankHint() const { return FHint; }

protected:
    bool eventFilter(QObject *Watched, QEvent *Event) override;

private:
    void UpdateBankHint();
    // The typed value taken: Chosen (Enter) sends it even when unchanged, leaving the field
    // only when it changed.
    void ProgramEdited(bool Chosen);
    void BankEdited(int Index, bool Chosen);
    QLineEdit *Edit(int Index) const;
    TUpDown *UpDown(int Index) const;

    TControls C;
    TKeyboardModel &FKeyboard;
    std::array<int, 3> FValues{-1, -1, -1};
    QString FHint;
};
