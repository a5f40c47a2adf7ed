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
        QLineEdit *EProgram;
        TUpDown *UDProgram;
        QLineEdit *EMSB;
        TUpDown *UDMSB;
        QLineEdit *ELSB;
        TUpDown *UDLSB;
        QLabel *LMSB;
        QLabel *LLSB;
    };

    TProgramBank(const TControls &Controls, TKeyboardModel &Keyboard, QObject *Parent = nullptr);

    // Straight to the output device (program and bank changes bypass the display update).
    std::function<void(uint8_t, uint8_t, uint8_t)> Send;

    const TControls &Controls() const { return C; }
    int Value(int Index) const { return FValues[size_t(Index)]; }
    void SetProgramValue(int Value) { FValues[Program] = Value; }

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
    void EProgramExit();
    void EBankExit(int Index);
    QLineEdit *Edit(int Index) const;
    TUpDown *UpDown(int Index) const;

    TControls C;
    TKeyboardModel &FKeyboard;
    std::array<int, 3> FValues{-1, -1, -1};
    QString FHint;
};
