#pragma once
/* The C interface of the optional OPC support library, as this program
 * binds it. Strings are UTF-8 with a length (not terminated); strings the
 * library hands out stay valid until its next call from the same thread.
 * Values travel in one tagged struct. Callbacks are a function pointer plus
 * the context it gets back; the library may call them from any thread.
 * Errors are reported by GetLastCallErrorString after the failed call
 * (empty after a call that succeeded). */
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct TqOpcString {
    const char *data;
    int32_t length;
} TqOpcString;

enum TqOpcValueType { tqoEmpty = 0, tqoBool = 1, tqoInteger = 2, tqoDouble = 3, tqoString = 4 };

typedef struct TqOpcValue {
    int32_t type;          /* a TqOpcValueType */
    int64_t integerValue;  /* tqoBool (0 or 1), tqoInteger */
    double doubleValue;    /* tqoDouble */
    TqOpcString stringValue; /* tqoString */
} TqOpcValue;

typedef void (*TqOpcSignalCallback)(void *context);                 /* new data of a subscription */
typedef void (*TqOpcGroupCallback)(void *context, int32_t handle);  /* around a group's delivery */

typedef void (*TqSignalAdd)(int32_t *handle, TqOpcString computerName, TqOpcString serverName, TqOpcString itemName,
                            TqOpcString groupName, int32_t updateRate, uint8_t suspended, uint16_t varType,
                            TqOpcSignalCallback newData, void *context);
typedef void (*TqHandleCall)(int32_t handle); /* SignalRemove, SignalSuspend, SignalResume, SignalGetDataNow,
                                                 GroupDelete, GroupResume, GroupSuspend */
typedef void (*TqSignalGetFlag)(int32_t handle, uint8_t *value); /* SignalGetActive, SignalGetUpdateSuspended */
typedef void (*TqSignalSendData)(int32_t handle, const TqOpcValue *value);
typedef void (*TqSignalGetData)(int32_t handle, TqOpcValue *value);
typedef void (*TqSignalGetTimeStamp)(int32_t handle, double *timeStamp); /* days since 30 December 1899 */
typedef void (*TqSignalGetQuality)(int32_t handle, uint16_t *quality);
typedef void (*TqGroupAdd)(int32_t *handle, TqOpcString name, TqOpcString computerName, TqOpcString serverName,
                           TqOpcGroupCallback beforeUpdate, TqOpcGroupCallback afterUpdate, void *context,
                           int32_t updateRate);
typedef void (*TqGroupSetUpdateRate)(int32_t handle, int32_t updateRate);
typedef void (*TqNoArguments)(void); /* CloseAllServerConnections, ManagerDestroyed */
typedef int32_t (*TqServerConnectionGetCount)(void);
typedef void (*TqServerConnectionGetName)(TqOpcString *name, int32_t index);
typedef uint8_t (*TqManagerCreated)(void);
typedef void (*TqGetLastCallErrorString)(TqOpcString *message);

#ifdef __cplusplus
}
#endif
