#include "Object.h"

#include <cstdlib>
#include <cxxabi.h>
#include <memory>
#include <typeinfo>

QString TObject::ClassName() const
{
    const char *mangled = typeid(*this).name();
    int status = 0;
    std::unique_ptr<char, void (*)(void *)> demangled(
        abi::__cxa_demangle(mangled, nullptr, nullptr, &status), std::free);
    return QString::fromLatin1(status == 0 && demangled ? demangled.get() : mangled);
}
