#pragma once

// The exceptions of the MIDI devices: a message and the service's error code (0 when the error
// was raised with a text of our own, not by the service).

#include <QString>

#include <stdexcept>

class EMidiError : public std::runtime_error {
public:
    // An error with a text of our own; the code is 0.
    explicit EMidiError(const QString &Message);
    // An error the service reported: its code and its text, "Unspecified error" when it gave none.
    EMidiError(int ErrorCode, const QString &ServiceText);

    int ErrorCode() const { return FErrorCode; }
    QString Message() const { return QString::fromUtf8(what()); }

private:
    int FErrorCode = 0;
};

class EMidiOutputError : public EMidiError {
public:
    using EMidiError::EMidiError;
};

class EMidiInputError : public EMidiError {
public:
    using EMidiError::EMidiError;
};
