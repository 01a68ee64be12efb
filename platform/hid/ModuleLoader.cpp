#include "ModuleLoader.h"

#include <cstring>
#include <dlfcn.h>

bool LoadModule(TModuleHandle &handle, const std::string &fileName)
{
    return LoadModuleEx(handle, fileName, 0);
}

bool LoadModuleEx(TModuleHandle &handle, const std::string &fileName, unsigned flags)
{
    if (handle == nullptr) {
        // Not resolving references maps to lazy binding; the other methods
        // have no counterpart here.
        int mode = (flags & 1u) ? RTLD_LAZY : RTLD_NOW;
        handle = dlopen(fileName.c_str(), mode | RTLD_LOCAL);
    }
    return handle != nullptr;
}

void UnloadModule(TModuleHandle &handle)
{
    if (handle != nullptr)
        dlclose(handle);
    handle = nullptr;
}

void *GetModuleSymbol(TModuleHandle handle, const std::string &symbolName)
{
    if (handle == nullptr)
        return nullptr;
    return dlsym(handle, symbolName.c_str());
}

void *GetModuleSymbolEx(TModuleHandle handle, const std::string &symbolName, bool &accu)
{
    void *p = GetModuleSymbol(handle, symbolName);
    accu = accu && p != nullptr;
    return p;
}

bool ReadModuleData(TModuleHandle handle, const std::string &symbolName, void *buffer, size_t size)
{
    void *p = GetModuleSymbol(handle, symbolName);
    if (p)
        std::memcpy(buffer, p, size);
    return p != nullptr;
}

bool WriteModuleData(TModuleHandle handle, const std::string &symbolName, const void *buffer, size_t size)
{
    void *p = GetModuleSymbol(handle, symbolName);
    if (p)
        std::memcpy(p, buffer, size);
    return p != nullptr;
}

namespace {
unsigned LoadFlags(const TModuleLoadMethods &methods)
{
    unsigned flags = 0;
    if (methods.count(ltDontResolveDllReferences))
        flags |= 1;
    if (methods.count(ltLoadAsDataFile))
        flags |= 2;
    if (methods.count(ltAlteredSearchPath))
        flags |= 8;
    return flags;
}
} // namespace

TModuleLoader::TModuleLoader(const std::string &dllName, const TModuleLoadMethods &methods)
    : FDLLName(dllName)
{
    // Virtual dispatch is not yet that of a descendant here, as in any
    // constructor; descendants that report call Load again themselves.
    TModuleLoader::Load(methods);
}

TModuleLoader::~TModuleLoader()
{
    TModuleLoader::Unload();
}

void TModuleLoader::Load(const TModuleLoadMethods &methods)
{
    if (FHandle == nullptr)
        LoadModuleEx(FHandle, FDLLName, LoadFlags(methods));
    if (FHandle == nullptr)
        Error(ErrorLoadFailed);
}

void TModuleLoader::Unload()
{
    UnloadModule(FHandle);
}

void TModuleLoader::Error(unsigned)
{
}

bool TModuleLoader::GetProcedure(const std::string &name, void *&entry)
{
    if (Loaded() && entry == nullptr)
        entry = GetModuleSymbol(FHandle, name);
    if (Loaded() && entry != nullptr)
        return true;
    entry = nullptr;
    Error(ErrorElementNotFound);
    return false;
}

bool TModuleLoader::GetExportedSymbol(const std::string &name, void *buffer, size_t size)
{
    void *p = nullptr;
    bool ok = GetProcedure(name, p);
    if (ok)
        std::memcpy(buffer, p, size);
    return ok;
}

bool TModuleLoader::SetExportedSymbol(const std::string &name, const void *buffer, size_t size)
{
    void *p = nullptr;
    bool ok = GetProcedure(name, p);
    if (ok)
        std::memcpy(p, buffer, size);
    return ok;
}

bool TModuleLoader::IsAvaliable(const std::string &dllName, const std::string &procName)
{
    TModuleHandle h = nullptr;
    bool ok = LoadModule(h, dllName);
    if (ok && !procName.empty())
        ok = GetModuleSymbol(h, procName) != nullptr;
    UnloadModule(h);
    return ok;
}
