#pragma once
#include <QString>

// Root of every class of the layer: a virtual destructor, so that objects can
// be handed around as TObject* (event senders, Assign sources) and tested with
// dynamic_cast, and the class name for messages.
class TObject {
public:
    TObject() = default;
    TObject(const TObject &) = delete;
    TObject &operator=(const TObject &) = delete;
    virtual ~TObject() = default;

    // The C++ class name of the dynamic type, e.g. "TFont".
    QString ClassName() const;
};
