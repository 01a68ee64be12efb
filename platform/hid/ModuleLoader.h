#pragma once
// Run-time loading of shared libraries and lookup of their entries by name
// (dlopen/dlsym), so that a missing library or entry is a false result and
// not a start-up failure.

#include <cstddef>
#include <set>
#include <string>

using TModuleHandle = void *;  // nullptr: no library loaded

// Loads the library only when handle is empty; true when a library is held.
bool LoadModule(TModuleHandle &handle, const std::string &fileName);
// The same with load flags (a combination of the TModuleLoadMethod values).
bool LoadModuleEx(TModuleHandle &handle, const std::string &fileName, unsigned flags);
// Frees the library when one is held; handle becomes empty.
void UnloadModule(TModuleHandle &handle);
// Address of the named entry, nullptr when handle is empty or it is missing.
void *GetModuleSymbol(TModuleHandle handle, const std::string &symbolName);
// The same; accu becomes (accu and found): once false it stays false.
void *GetModuleSymbolEx(TModuleHandle handle, const std::string &symbolName, bool &accu);
// Copy size bytes from / to an exported data object; true when it exists.
bool ReadModuleData(TModuleHandle handle, const std::string &symbolName, void *buffer, size_t size);
bool WriteModuleData(TModuleHandle handle, const std::string &symbolName, const void *buffer, size_t size);

enum TModuleLoadMethod { ltDontResolveDllReferences, ltLoadAsDataFile, ltAlteredSearchPath };
using TModuleLoadMethods = std::set<TModuleLoadMethod>;

// One library held for the object's lifetime. Failures reach Error only,
// which does nothing here; descendants may report.
class TModuleLoader
{
public:
    TModuleLoader(const std::string &dllName, const TModuleLoadMethods &methods = {});
    virtual ~TModuleLoader();
    TModuleLoader(const TModuleLoader &) = delete;
    TModuleLoader &operator=(const TModuleLoader &) = delete;

    virtual void Load(const TModuleLoadMethods &methods);
    virtual void Unload();
    virtual void Error(unsigned errorCode);

    // Looks the entry up only while entry is empty; true when loaded and set.
    bool GetProcedure(const std::string &name, void *&entry);
    bool GetExportedSymbol(const std::string &name, void *buffer, size_t size);
    bool SetExportedSymbol(const std::string &name, const void *buffer, size_t size);

    // Whether the library loads and, for a non-empty entry name, has it.
    static bool IsAvaliable(const std::string &dllName, const std::string &procName = std::string());

    TModuleHandle Handle() const { return FHandle; }
    const std::string &DLLName() const { return FDLLName; }
    bool Loaded() const { return FHandle != nullptr; }

    static constexpr unsigned ErrorLoadFailed = 126;          // library not found or not loadable
    static constexpr unsigned ErrorElementNotFound = 0x8002802Bu;

private:
    TModuleHandle FHandle = nullptr;
    std::string FDLLName;
};
