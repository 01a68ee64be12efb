#pragma once
#include "Stream.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

// Program resources: named byte blobs (pictures, documents) that the program
// registers at start-up and looks up by name (case ignored) or by number.
// They stand where the executable's embedded resources stood; the module
// handle argument exists for the callers' sake and is ignored.
using HINSTANCE = std::uintptr_t;
inline constexpr HINSTANCE HInstance = 0;

enum TResourceType : int { RT_BITMAP = 2, RT_RCDATA = 10 };

void RegisterResource(const QString &Name, const QByteArray &Data, TResourceType Type = RT_RCDATA);
void RegisterResource(int Id, const QByteArray &Data, TResourceType Type = RT_RCDATA);
// Removes every registered resource (tests).
void ClearResources();
// True and the bytes when a resource of that name (or number) and type exists.
bool FindResource(HINSTANCE Instance, const QString &Name, TResourceType Type, QByteArray *Data);
bool FindResource(HINSTANCE Instance, int Id, TResourceType Type, QByteArray *Data);

// A read-only memory stream over one resource; throws EResNotFound
// ("Resource X not found") when there is none.
class TResourceStream : public TMemoryStream {
public:
    TResourceStream(HINSTANCE Instance, const QString &Name, TResourceType Type);
    TResourceStream(HINSTANCE Instance, int Id, TResourceType Type);
};
