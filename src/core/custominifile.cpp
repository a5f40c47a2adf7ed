#include "core/custominifile.h"

EIniFileException::EIniFileException(const QString &Message)
    : std::runtime_error(Message.toStdString()), FMessage(Message) {}

bool TCustomIniFile::ParseInteger(const QString &Text, int &Value) {
    bool Ok = false;
    const int Parsed = Text.trimmed().toInt(&Ok, 10);
    if (Ok)
        Value = Parsed;
    return Ok;
}

int TCustomIniFile::ReadInteger(const QString &Section, const QString &Ident, int Default) const {
    int Value = Default;
    const QString Text = ReadString(Section, Ident, QString());
    return ParseInteger(Text, Value) ? Value : Default;
}

void TCustomIniFile::WriteInteger(const QString &Section, const QString &Ident, int Value) {
    WriteString(Section, Ident, QString::number(Value));
}

bool TCustomIniFile::ReadBool(const QString &Section, const QString &Ident, bool Default) const {
    return ReadInteger(Section, Ident, Default ? 1 : 0) != 0;
}

void TCustomIniFile::WriteBool(const QString &Section, const QString &Ident, bool Value) {
    WriteString(Section, Ident, Value ? QStringLiteral("1") : QStringLiteral("0"));
}
