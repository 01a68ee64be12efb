#include "HidError.h"

#include "HidTypes.h"

#include <QCoreApplication>

namespace {

QString Tr(const char *text)
{
    return QCoreApplication::translate("HidError", text);
}

} // namespace

QString HidErrorString(uint32_t status)
{
    if (((status >> 16) & 0xFF) != 0x11 || (status & 0xC0000000u) == 0)
        return QString();
    const char *text = nullptr;
    switch (status) {
    case HIDP_STATUS_NULL: text = QT_TRANSLATE_NOOP("HidError", "device not plugged in"); break;
    case HIDP_STATUS_INVALID_PREPARSED_DATA: text = QT_TRANSLATE_NOOP("HidError", "invalid preparsed data"); break;
    case HIDP_STATUS_INVALID_REPORT_TYPE: text = QT_TRANSLATE_NOOP("HidError", "invalid report type"); break;
    case HIDP_STATUS_INVALID_REPORT_LENGTH: text = QT_TRANSLATE_NOOP("HidError", "invalid report length"); break;
    case HIDP_STATUS_USAGE_NOT_FOUND: text = QT_TRANSLATE_NOOP("HidError", "usage not found"); break;
    case HIDP_STATUS_VALUE_OUT_OF_RANGE: text = QT_TRANSLATE_NOOP("HidError", "value out of range"); break;
    case HIDP_STATUS_BAD_LOG_PHY_VALUES: text = QT_TRANSLATE_NOOP("HidError", "bad logical or physical values"); break;
    case HIDP_STATUS_BUFFER_TOO_SMALL: text = QT_TRANSLATE_NOOP("HidError", "buffer too small"); break;
    case HIDP_STATUS_INTERNAL_ERROR: text = QT_TRANSLATE_NOOP("HidError", "internal error"); break;
    case HIDP_STATUS_I8042_TRANS_UNKNOWN: text = QT_TRANSLATE_NOOP("HidError", "8042 key translation impossible"); break;
    case HIDP_STATUS_INCOMPATIBLE_REPORT_ID: text = QT_TRANSLATE_NOOP("HidError", "incompatible report ID"); break;
    case HIDP_STATUS_NOT_VALUE_ARRAY: text = QT_TRANSLATE_NOOP("HidError", "not a value array"); break;
    case HIDP_STATUS_IS_VALUE_ARRAY: text = QT_TRANSLATE_NOOP("HidError", "is a value array"); break;
    case HIDP_STATUS_DATA_INDEX_NOT_FOUND: text = QT_TRANSLATE_NOOP("HidError", "data index not found"); break;
    case HIDP_STATUS_DATA_INDEX_OUT_OF_RANGE: text = QT_TRANSLATE_NOOP("HidError", "data index out of range"); break;
    case HIDP_STATUS_BUTTON_NOT_PRESSED: text = QT_TRANSLATE_NOOP("HidError", "button not pressed"); break;
    case HIDP_STATUS_REPORT_DOES_NOT_EXIST: text = QT_TRANSLATE_NOOP("HidError", "report does not exist"); break;
    case HIDP_STATUS_NOT_IMPLEMENTED: text = QT_TRANSLATE_NOOP("HidError", "not implemented"); break;
    default: break;
    }
    QString body = text ? Tr(text)
                        : Tr(QT_TRANSLATE_NOOP("HidError", "unknown HID error %1"))
                              .arg(QString::number(status, 16).toUpper());
    return Tr(QT_TRANSLATE_NOOP("HidError", "HID Error: ")) + body;
}

uint32_t HidError(uint32_t status)
{
    QString text = HidErrorString(status);
    if (!text.isEmpty())
        throw EHidClientError(text);
    return status;
}

uint32_t HidCheck(uint32_t status)
{
    if (status != HIDP_STATUS_SUCCESS)
        HidError(status);
    return status;
}
