#include "midi/midierror.h"
#include <QCoreApplication>

namespace {

QString TextOrUnspecified(const QString &Text) {
    return Text.trimmed().isEmpty()
               ? QCoreApplication::translate("TMidiDevices", "Unspecified error")
               : Text.trimmed();
}

} // namespace

EMidiError::EMidiError(const QString &Message) : std::runtime_error(Message.toStdString()) {}

EMidiError::EMidiError(int ErrorCode, const QString &ServiceText)
    : std::runtime_error(TextOrUnspecified(ServiceText).toStdString()), FErrorCode(ErrorCode) {}
