#pragma once
// Errors of the HID classes and the texts of HID status codes.

#include <QString>

#include <cstdint>
#include <stdexcept>

// Construction of a device or reader refused or failed.
class EControllerError : public std::runtime_error
{
public:
    explicit EControllerError(const QString &message) : std::runtime_error(message.toStdString()) {}
};

// A HID status that reports a failure, raised on request (HidError, HidCheck).
class EHidClientError : public std::runtime_error
{
public:
    explicit EHidClientError(const QString &message) : std::runtime_error(message.toStdString()) {}
};

// "HID Error: " and the text of a failure status of facility 0x11; empty
// for success and for every other value.
QString HidErrorString(uint32_t status);
// Raises EHidClientError when the status has a text, else returns it.
uint32_t HidError(uint32_t status);
// Returns the status; any status but success goes through HidError first.
uint32_t HidCheck(uint32_t status);
