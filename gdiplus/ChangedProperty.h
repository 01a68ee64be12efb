#pragma once
// A property of a persistent description whose setter compares, stores and
// then calls the class's Changed() (which tells the owner).
#define TQ62_CHANGED_PROPERTY(Type, Name, field)                                                   \
    Type Name() const { return field; }                                                            \
    void Set##Name(Type Value)                                                                     \
    {                                                                                              \
        if (field == Value)                                                                        \
            return;                                                                                \
        field = Value;                                                                             \
        Changed();                                                                                 \
    }
