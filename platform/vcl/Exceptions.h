#pragma once
#include <QString>
#include <exception>
#include <string>

// The exception classes of the layer. Each carries a readable message; nothing
// of the layer lets one cross the Qt event loop (handlers catch them).
class Exception : public std::exception {
public:
    explicit Exception(const QString &message) : message_(message), utf8_(message.toStdString()) {}
    const QString &Message() const { return message_; }
    const char *what() const noexcept override { return utf8_.c_str(); }

private:
    QString message_;
    std::string utf8_;
};

#define TQ62_EXCEPTION(Name, Base)                                                                 \
    class Name : public Base {                                                                     \
    public:                                                                                        \
        using Base::Base;                                                                          \
    };

TQ62_EXCEPTION(EConvertError, Exception)      // bad conversion, Assign between unrelated classes, bad Format
TQ62_EXCEPTION(EListError, Exception)         // index out of range, duplicate in a list
TQ62_EXCEPTION(EComponentError, Exception)    // bad or duplicate component name
TQ62_EXCEPTION(EInvalidOperation, Exception)  // operation not allowed in the current state
TQ62_EXCEPTION(EInvalidCast, Exception)       // object of the wrong class
TQ62_EXCEPTION(EStreamError, Exception)       // stream read or write failed
TQ62_EXCEPTION(EFOpenError, EStreamError)     // file could not be opened
TQ62_EXCEPTION(EReadError, EStreamError)      // fewer bytes than asked for
TQ62_EXCEPTION(EIniFileException, Exception)  // INI file could not be written
TQ62_EXCEPTION(EResNotFound, Exception)       // program resource missing
TQ62_EXCEPTION(EClipboardException, Exception) // clipboard refused the data
TQ62_EXCEPTION(EInvalidGraphic, Exception)    // picture data that cannot be decoded
TQ62_EXCEPTION(ERegistryException, Exception) // a registry value of another type than asked for

#undef TQ62_EXCEPTION

// Throws EListError "List index out of bounds (Index)".
[[noreturn]] inline void ThrowListIndexError(int Index)
{
    throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
}
